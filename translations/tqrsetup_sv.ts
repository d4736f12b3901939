<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1: larger than %2 bytes, not </source>
        <translation>%1: större än %2 byte, alltså inte </translation>
    </message>
    <message>
        <source>%1: is not a regular file (a FIFO, a device or a socket), not </source>
        <translation>%1: är inte en vanlig fil (en FIFO, en enhet eller en socket), alltså inte </translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1 kan inte läsas (%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: filen finns inte</translation>
    </message>
    <message>
        <source>%1: is a folder, not </source>
        <translation>%1: är en mapp, inte </translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 hittades inte.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 innehåller en ogiltig sökväg.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 kunde inte öppnas eftersom för många filer är öppna.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Åtkomst till %1 nekades.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 var kopplad till ett ogiltigt filhandtag.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 kunde inte tas bort eftersom den är den aktuella mappen.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 kunde inte skapas eftersom mappen är full.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionering i %1 misslyckades</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Ett maskinvarufel rapporterades vid åtkomst till %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Ett delningsfel uppstod vid åtkomst till %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Ett låsningsfel uppstod vid åtkomst till %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Lagringsmediet är fullt (vid åtkomst till %1).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Ett försök gjordes att läsa eller skriva förbi slutet av %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Ett okänt fel uppstod vid åtkomst till %1.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>en namnlös fil</translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>en inställningsfil</translation>
    </message>
    <message>
        <source>a PROFILE.BIN</source>
        <translation>en PROFILE.BIN</translation>
    </message>
    <message>
        <source>%1: wrong size, %2 bytes (a PROFILE.BIN has 860)</source>
        <translation>%1: fel storlek, %2 byte (en PROFILE.BIN har 860)</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 tim</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>3 MP</source>
        <translation>3 MP</translation>
    </message>
    <message>
        <source>5 MP</source>
        <translation>5 MP</translation>
    </message>
    <message>
        <source>6 MP</source>
        <translation>6 MP</translation>
    </message>
    <message>
        <source>8 MP</source>
        <translation>8 MP</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 bild</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 bilder</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 bilder</translation>
    </message>
    <message>
        <source>QVGA</source>
        <translation>QVGA</translation>
    </message>
    <message>
        <source>VGA</source>
        <translation>VGA</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Låg</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hög</translation>
    </message>
    <message>
        <source>6m/20ft</source>
        <translation>6 m</translation>
    </message>
    <message>
        <source>12m/40ft</source>
        <translation>12 m</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Direkt</translation>
    </message>
    <message>
        <source>DailyReport</source>
        <translation>Dagsrapport</translation>
    </message>
    <message>
        <source>MMS</source>
        <translation>MMS</translation>
    </message>
    <message>
        <source>GPRS</source>
        <translation>GPRS</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Båda</translation>
    </message>
    <message>
        <source>GSM900</source>
        <translation>GSM900</translation>
    </message>
    <message>
        <source>GSM1800</source>
        <translation>GSM1800</translation>
    </message>
    <message>
        <source>GSM1900</source>
        <translation>GSM1900</translation>
    </message>
    <message>
        <source>GSM900_1800</source>
        <translation>GSM900_1800</translation>
    </message>
    <message>
        <source>GSM850_1900</source>
        <translation>GSM850_1900</translation>
    </message>
    <message>
        <source>GSM850_900_1800_1900</source>
        <translation>GSM850_900_1800_1900</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>SSL/TLS</source>
        <translation>SSL/TLS</translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <source>Instant number is out of the range(0-99)!</source>
        <translation>Antalet för ”Direkt” måste vara mellan 0 och 99!</translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation>Tiden för dagsrapporten är ogiltig!</translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation>Telefonnumret är ogiltigt!</translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation>Telefonnumret är för långt!</translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation>E-postadressen är för lång!</translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation>E-postadressen är felskriven!</translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation>Ange ett telefonnummer!</translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation>Ange en e-postadress!</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>Det nya namnet får bara innehålla bokstäver och siffror!</translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation>Maxstorleken måste vara mellan 35 och 120!</translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation>Högst 4 telefonnummer får plats!</translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation>Högst 4 e-postadresser får plats!</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>E-postadressen är ogiltig!</translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation>Porten måste vara mellan 1 och 65535!</translation>
    </message>
    <message>
        <source>The operator has no MMS URL, so the camera cannot send pictures by MMS.</source>
        <translation>Operatören har ingen MMS-URL, så kameran kan inte skicka bilder via MMS.</translation>
    </message>
    <message>
        <source>The operator has no GPRS APN, so the camera cannot send pictures by GPRS.</source>
        <translation>Operatören har ingen GPRS-APN, så kameran kan inte skicka bilder via GPRS.</translation>
    </message>
    <message>
        <source>About TQR Setup</source>
        <translation>Om TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup icon</source>
        <translation>Ikon för TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup Version 1.0</source>
        <translation>TQR Setup version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 TQR Setup</source>
        <translation>Copyright (C) 2026 TQR Setup</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photo/Video</source>
        <translation>Bild/video</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Läge</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Upplösning</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Bildserie</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videoformat</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolängd</translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation>Rörelse/timer</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Känslighet</translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation>Arbetstid</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Starttimme</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Startminut</translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation>Stopptimme</translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation>Stoppminut</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Timelapse</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Tidsstämpel</translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation>Blixträckvidd</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Password number</source>
        <translation>Lösenordets siffror</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Email Set</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation>Leverantör</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Visa lösenord</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Säkerhet</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>SMTP-port</translation>
    </message>
    <message>
        <source>Test...</source>
        <translation>Testa...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation>Sändningsläge</translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation>Dagsrapportens timme</translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation>Dagsrapportens minut</translation>
    </message>
    <message>
        <source>Send Via</source>
        <translation>Skicka via</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Skicka till</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Mottagare</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Mobiloperatör</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatör</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Döp om</translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation>Nytt filnamn</translation>
    </message>
    <message>
        <source>(a-z, A-Z, 0-9 only)</source>
        <translation>(endast a-z, A-Z, 0-9)</translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>(35-120KB)</source>
        <translation>(35-120 KB)</translation>
    </message>
    <message>
        <source>SMS Switch</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Cmd Log</source>
        <translation>Kommandologg</translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation>Qmm-felsökning</translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation>Test av e-post</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Inställningssidor</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Kort:</translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation>Välj SD-kortets mapp</translation>
    </message>
    <message>
        <source>Look Up Operator</source>
        <translation>Sök operatör</translation>
    </message>
    <message>
        <source>Data APN</source>
        <translation>Data-APN</translation>
    </message>
    <message>
        <source>MMS APN</source>
        <translation>MMS-APN</translation>
    </message>
    <message>
        <source>Operator Param</source>
        <translation>Operatörens uppgifter</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Look up...</source>
        <translation>Sök...</translation>
    </message>
    <message>
        <source>&amp;About TQR Setup...</source>
        <translation>&amp;Om TQR Setup...</translation>
    </message>
    <message>
        <source>%1, first number</source>
        <translation>%1, första talet</translation>
    </message>
    <message>
        <source>%1, second number</source>
        <translation>%1, andra talet</translation>
    </message>
    <message>
        <source>%1, third number</source>
        <translation>%1, tredje talet</translation>
    </message>
    <message>
        <source>%1, fourth number</source>
        <translation>%1, fjärde talet</translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation>Åtgärden kunde inte slutföras på grund av ett oväntat fel. Det du har skrivit finns kvar; försök igen.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Ange ett heltal.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Ange ett positivt heltal.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Ange ett heltal mellan %1 och %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Skriv högst %1 tecken.</translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation>Välj mapp</translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation>Flyttbara enheter</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappar</translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation>E-postkontot kan inte testas: välj först säkerhet.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>Ange servern!</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>Ange porten!</translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation>Välj säkerhet!</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>Ange konto och e-postadress!</translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation>Kontrollera e-postinställningarna!</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Standardinställningarna återställs.<byte value="xd"/>
Är du säker?</translation>
    </message>
    <message>
        <source>The box holds a line break (shown as an arrow or as a new line). Put all entries on one line, separated by &quot;;&quot;.</source>
        <translation>Rutan innehåller en radbrytning (visas som en pil eller en ny rad). Skriv alla poster på en rad, åtskilda med ”;”.</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Avbryter...</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Loggar in på %1...</translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation>E-postkontot fungerar inte: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation>E-postkontot fungerar: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation>E-postkontot fungerar: %1.<byte value="xd"/>
<byte value="xd"/>
Skicka ett testmejl till %2?</translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation>Skickar testmejlet till %1...</translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation>Testmejlet skickades inte: %1.</translation>
    </message>
    <message>
        <source>%1 (unusable: control character)</source>
        <translation>%1 (oanvändbar: styrtecken)</translation>
    </message>
    <message>
        <source>(none in the database)</source>
        <translation>(ingen i databasen)</translation>
    </message>
    <message>
        <source>Fill in the parameters of an operator from the mobile broadband provider database.</source>
        <translation>Fyll i en operatörs uppgifter från databasen över mobiloperatörer.</translation>
    </message>
    <message>
        <source>The operator look-up needs the package %1 (%2 is missing).</source>
        <translation>Sökningen efter operatörer behöver paketet %1 (%2 saknas).</translation>
    </message>
    <message>
        <source>The card&apos;s settings cannot be opened: %1</source>
        <translation>Kortets inställningar kan inte öppnas: %1</translation>
    </message>
    <message>
        <source>%1 holds a value this tool cannot have written (%2: %3)</source>
        <translation>%1 innehåller ett värde som det här programmet inte kan ha skrivit (%2: %3)</translation>
    </message>
    <message>
        <source>The card uses different parameters for %1. Use the card&apos;s?</source>
        <translation>Kortet har andra uppgifter för %1. Använda kortets?</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 were not taken; the stored ones are used.</source>
        <translation>Kortets uppgifter för %1 togs inte över; de sparade används.</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 (%2) were replaced by the table&apos;s.</source>
        <translation>Kortets uppgifter för %1 (%2) ersattes med tabellens.</translation>
    </message>
    <message>
        <source>The card&apos;s hidden band, command log and debug settings are written as this tool&apos;s on OK.</source>
        <translation>Kortets dolda inställningar för band, kommandologg och felsökning skrivs över med det här programmets vid OK.</translation>
    </message>
    <message>
        <source>&quot;--lang&quot; needs a language, such as de</source>
        <translation>&quot;--lang&quot; behöver ett språk, till exempel sv</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value</source>
        <translation>&quot;%1&quot; behöver ett värde</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>okänd flagga &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>oväntat argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; the dialog speaks English</source>
        <translation>det finns ingen översättning för &quot;%1&quot;; dialogen visas på engelska</translation>
    </message>
    <message>
        <source>Open settings from card...</source>
        <translation>Öppna inställningar från kortet...</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation>Välj mappen</translation>
    </message>
    <message>
        <source>PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?</source>
        <translation>PROFILE.BIN i %1 innehåller andra inställningar än de som visas. Öppna dem?</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Välj SD-kortets mapp.</translation>
    </message>
    <message>
        <source>There is no PROFILE.BIN in %1.</source>
        <translation>Det finns ingen PROFILE.BIN i %1.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN har sparats i %1</translation>
    </message>
    <message>
        <source>; the password travelled unencrypted</source>
        <translation>; lösenordet skickades okrypterat</translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation>ingen SMTP-server är angiven</translation>
    </message>
    <message>
        <source>the SMTP server name holds a control character</source>
        <translation>SMTP-servernamnet innehåller ett styrtecken</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>”%1” är inte ett servernamn</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>porten ”%1” är inte ett tal från 1 till 65535</translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation>inget konto är angivet</translation>
    </message>
    <message>
        <source>the account holds a control character</source>
        <translation>kontot innehåller ett styrtecken</translation>
    </message>
    <message>
        <source>the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent</source>
        <translation>säkerheten är varken Ingen, SSL/TLS eller STARTTLS, så lösenordet skickades inte</translation>
    </message>
    <message>
        <source>the sender address holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>avsändaradressen innehåller ett styrtecken, ”&lt;” eller ”&gt;”</translation>
    </message>
    <message>
        <source>the sender address holds no &quot;@&quot;</source>
        <translation>avsändaradressen innehåller inget ”@”</translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation>det finns ingen mottagare för testmejlet</translation>
    </message>
    <message>
        <source>recipient %1 holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>mottagare %1 innehåller ett styrtecken, ”&lt;” eller ”&gt;”</translation>
    </message>
    <message>
        <source>recipient %1 is too long</source>
        <translation>mottagare %1 är för lång</translation>
    </message>
    <message>
        <source>recipient %1 holds no &quot;@&quot; after its first character</source>
        <translation>mottagare %1 har inget ”@” efter första tecknet</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>testet avbröts</translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation>servernamnet %1 hittas inte</translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation>ingenting svarar på %1 (anslutningen nekades)</translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation>inget svar från %1 inom %2</translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation>servern %1 erbjuder inte STARTTLS, så lösenordet skickades inte</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>certifikatet för %1 är inte betrott</translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation>ingen säker anslutning till %1 kunde upprättas (är säkerheten rätt?)</translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation>servern nekade inloggningen%1</translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation>servern nekade testmejlet%1</translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation>servern %1 gav ett oväntat svar%2</translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation>anslutningen till %1 bröts%2</translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation>systemets betrodda certifikat kan inte läsas</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>CA-filen %1 kan inte läsas</translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation>testet misslyckades: %1%2</translation>
    </message>
    <message>
        <source>a CA certificate file</source>
        <translation>en CA-certifikatfil</translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation>e-posttestet behöver libcurl (libcurl.so.4), som inte kunde läsas in</translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation>testet kunde inte startas</translation>
    </message>
    <message>
        <source>this libcurl is too old to use the CA file %1 (7.77 or later is needed)</source>
        <translation>denna libcurl är för gammal för CA-filen %1 (7.77 eller senare krävs)</translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation>servern %1 erbjöd ingen inloggning utan kryptering; kontot provades inte</translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation>servern %1 erbjöd ingen inloggning med %2; kontot provades inte</translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation>testmejlet från %1 till %2 har skickats</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation>servern %1 godkände inloggningen för %2 (utan kryptering)</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation>servern %1 godkände inloggningen för %2 (%3)</translation>
    </message>
    <message>
        <source>: the database&apos;s value has a control character; the field is left empty.</source>
        <translation>: databasens värde innehåller ett styrtecken; fältet lämnas tomt.</translation>
    </message>
    <message>
        <source>: the database&apos;s value &quot;%1&quot; has characters the camera cannot store; the field is left empty.</source>
        <translation>: databasens värde ”%1” innehåller tecken som kameran inte kan lagra; fältet lämnas tomt.</translation>
    </message>
    <message>
        <source>: the database&apos;s value is longer than %1 characters; the field is left empty.</source>
        <translation>: databasens värde är längre än %1 tecken; fältet lämnas tomt.</translation>
    </message>
    <message>
        <source>The database gives no MMS proxy; gateway and port are left empty.</source>
        <translation>Databasen anger ingen MMS-proxy; gateway och port lämnas tomma.</translation>
    </message>
    <message>
        <source>The MMS proxy has a control character; gateway and port are left empty.</source>
        <translation>MMS-proxyn innehåller ett styrtecken; gateway och port lämnas tomma.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; is a host name, which the gateway address cannot hold; gateway and port are left empty.</source>
        <translation>MMS-proxyn ”%1” är ett värdnamn, som gatewayadressen inte kan rymma; gateway och port lämnas tomma.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; gives no port; gateway and port are left empty.</source>
        <translation>MMS-proxyn ”%1” anger ingen port; gateway och port lämnas tomma.</translation>
    </message>
    <message>
        <source>The port of the MMS proxy &quot;%1&quot; is not between 1 and %2; gateway and port are left empty.</source>
        <translation>Porten för MMS-proxyn ”%1” är inte mellan 1 och %2; gateway och port lämnas tomma.</translation>
    </message>
    <message>
        <source>The chosen MMS access point has a control character in its APN, account or password; the MMS fields are left empty.</source>
        <translation>Den valda MMS-åtkomstpunkten har ett styrtecken i APN, konto eller lösenord; MMS-fälten lämnas tomma.</translation>
    </message>
    <message>
        <source>MMS URL</source>
        <translation>MMS-URL</translation>
    </message>
    <message>
        <source>MMS account</source>
        <translation>MMS-konto</translation>
    </message>
    <message>
        <source>MMS password</source>
        <translation>MMS-lösenord</translation>
    </message>
    <message>
        <source>%1 has no MMS data in the database; the MMS fields are left empty.</source>
        <translation>Databasen har inga MMS-uppgifter för %1; MMS-fälten lämnas tomma.</translation>
    </message>
    <message>
        <source>The chosen data access point has a control character in its APN, account or password; the GPRS fields are left empty.</source>
        <translation>Den valda dataåtkomstpunkten har ett styrtecken i APN, konto eller lösenord; GPRS-fälten lämnas tomma.</translation>
    </message>
    <message>
        <source>GPRS APN</source>
        <translation>GPRS-APN</translation>
    </message>
    <message>
        <source>GPRS account</source>
        <translation>GPRS-konto</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-lösenord</translation>
    </message>
    <message>
        <source>%1 has no data APN in the database; the GPRS fields are left empty.</source>
        <translation>Databasen har ingen data-APN för %1; GPRS-fälten lämnas tomma.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (it declares another encoding); it is not read.</source>
        <translation>Operatörsdatabasen är inte UTF-8-text (den anger en annan kodning); den läses inte.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (byte %1); it is not read.</source>
        <translation>Operatörsdatabasen är inte UTF-8-text (byte %1); den läses inte.</translation>
    </message>
    <message>
        <source>The provider database is nested deeper than %1 levels.</source>
        <translation>Operatörsdatabasen är nästlad djupare än %1 nivåer.</translation>
    </message>
    <message>
        <source>The provider database holds a text longer than %1 bytes; it is not read.</source>
        <translation>Operatörsdatabasen innehåller en text som är längre än %1 byte; den läses inte.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 countries, more than the real one could; it is not read.</source>
        <translation>Operatörsdatabasen har fler än %1 länder, fler än den riktiga kan ha; den läses inte.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 operators in a country, more than the real one could; it is not read.</source>
        <translation>Operatörsdatabasen har fler än %1 operatörer i ett land, fler än den riktiga kan ha; den läses inte.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points of an operator, more than the real one could; it is not read.</source>
        <translation>Operatörsdatabasen har fler än %1 åtkomstpunkter för en operatör, fler än den riktiga kan ha; den läses inte.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points, more than the real one could; it is not read.</source>
        <translation>Operatörsdatabasen har fler än %1 åtkomstpunkter, fler än den riktiga kan ha; den läses inte.</translation>
    </message>
    <message>
        <source>The provider database is larger than %1 MB.</source>
        <translation>Operatörsdatabasen är större än %1 MB.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 tags, more than the real one could; it is not read.</source>
        <translation>Operatörsdatabasen har fler än %1 taggar, fler än den riktiga kan ha; den läses inte.</translation>
    </message>
    <message>
        <source>The provider database declares entities; it is not read.</source>
        <translation>Operatörsdatabasen deklarerar entiteter; den läses inte.</translation>
    </message>
    <message>
        <source>The provider database is not valid XML: %1 at byte %2.</source>
        <translation>Operatörsdatabasen är inte giltig XML: %1 vid byte %2.</translation>
    </message>
    <message>
        <source>The file is not a provider database (no &lt;serviceproviders&gt;).</source>
        <translation>Filen är ingen operatörsdatabas (ingen &lt;serviceproviders&gt;).</translation>
    </message>
    <message>
        <source>The provider database %1 cannot be opened. Install the package %2 or name the file.</source>
        <translation>Operatörsdatabasen %1 kan inte öppnas. Installera paketet %2 eller ange filen.</translation>
    </message>
    <message>
        <source>a provider database</source>
        <translation>en operatörsdatabas</translation>
    </message>
    <message>
        <source>The provider database cannot be read: </source>
        <translation>Operatörsdatabasen kan inte läsas: </translation>
    </message>
    <message>
        <source>Leave out the space.</source>
        <translation>Ta bort mellanslaget.</translation>
    </message>
    <message>
        <source>It holds a no-break space, which looks like a space: delete it.</source>
        <translation>Det innehåller ett hårt mellanslag, som ser ut som ett mellanslag: ta bort det.</translation>
    </message>
    <message>
        <source>It holds a character that cannot be seen (shown as &quot;%1&quot;): delete it.</source>
        <translation>Det innehåller ett osynligt tecken (visas som &quot;%1&quot;): ta bort det.</translation>
    </message>
    <message>
        <source>Leave out &quot;%1&quot;.</source>
        <translation>Ta bort &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; the box is empty.</source>
        <translation>&quot;%1&quot; behöver ett heltal från %2 till %3; rutan är tom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; &quot;%4&quot; is not one.</source>
        <translation>&quot;%1&quot; behöver ett heltal från %2 till %3; &quot;%4&quot; är inget heltal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; the box is empty.</source>
        <translation>&quot;%1&quot; behöver ett heltal skrivet med siffror; rutan är tom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; &quot;%2&quot; is not one.</source>
        <translation>&quot;%1&quot; behöver ett heltal skrivet med siffror; &quot;%2&quot; är inget heltal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3, not %4.</source>
        <translation>&quot;%1&quot; behöver ett heltal från %2 till %3, inte %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; it has %3.</source>
        <translation>&quot;%1&quot; rymmer högst %2 tecken; det har %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>&quot;%1&quot; rymmer högst %2 tecken; &quot;%3&quot; har %4.</translation>
    </message>
    <message>
        <source>&quot;Max Num&quot; takes a whole number from 0 to 99, not %1.</source>
        <translation>&quot;Antal&quot; tar ett heltal från 0 till 99, inte %1.</translation>
    </message>
    <message>
        <source>%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 to 59.</source>
        <translation>%1:%2 är ingen tid på dygnet: timmen är 0 till 23 och minuten 0 till 59.</translation>
    </message>
    <message>
        <source>&quot;Max Size&quot; takes a whole number of KB from 35 to 120, not %1.</source>
        <translation>&quot;Max&quot; tar ett helt antal KB från 35 till 120, inte %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a new name takes only the letters a-z and A-Z and the digits 0-9.</source>
        <translation>&quot;%1&quot;: ett nytt namn får bara ha bokstäverna a-z och A-Z och siffrorna 0-9.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box): a phone number holds digits only, with one &quot;+&quot; at the start.</source>
        <translation>&quot;%1&quot; (nummer %2 i rutan): ett telefonnummer har bara siffror, med ett &quot;+&quot; först.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box) has %3 characters; a phone number has at most 23.</source>
        <translation>&quot;%1&quot; (nummer %2 i rutan) har %3 tecken; ett telefonnummer har högst 23.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box) has %3 characters; an address has at most 47.</source>
        <translation>&quot;%1&quot; (adress %2 i rutan) har %3 tecken; en adress har högst 47.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address needs a name, &quot;@&quot; and a domain, for example anna@example.org.</source>
        <translation>&quot;%1&quot; (adress %2 i rutan): en adress behöver ett namn, &quot;@&quot; och en domän, till exempel anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; (adress %2 i rutan): en adress innehåller varken &quot;&lt;&quot;, &quot;&gt;&quot; eller styrtecken.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the port is a whole number from 1 to 65535, such as 25, 465 or 587.</source>
        <translation>&quot;%1&quot;: porten är ett heltal från 1 till 65535, till exempel 25, 465 eller 587.</translation>
    </message>
    <message>
        <source>&quot;SMTP Server&quot; is empty: enter the server that sends the camera&apos;s mail, as the mail provider names it, for example smtp.example.org.</source>
        <translation>&quot;SMTP-server&quot; är tom: ange servern som skickar kamerans e-post, så som e-postleverantören anger den, till exempel smtp.example.org.</translation>
    </message>
    <message>
        <source>&quot;SMTP Port&quot; is empty: enter the port the mail provider gives, usually 25, 465 or 587.</source>
        <translation>&quot;SMTP-port&quot; är tom: ange porten som e-postleverantören anger, oftast 25, 465 eller 587.</translation>
    </message>
    <message>
        <source>&quot;Secure Type&quot; is not chosen: pick the one the mail provider gives for this port (often SSL/TLS for 465, STARTTLS for 587).</source>
        <translation>&quot;Säkerhet&quot; är inte vald: välj den som e-postleverantören anger för den här porten (ofta SSL/TLS för 465, STARTTLS för 587).</translation>
    </message>
    <message>
        <source>&quot;Email&quot; is empty: enter the address the camera sends from, for example camera@example.org.</source>
        <translation>&quot;E-post&quot; är tom: ange adressen som kameran skickar från, till exempel camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;Account&quot; is empty: enter the name the mail server knows the account by, often the address itself.</source>
        <translation>&quot;Konto&quot; är tomt: ange namnet som e-postservern känner kontot under, ofta själva adressen.</translation>
    </message>
    <message>
        <source>&quot;Password&quot; is empty: enter the account&apos;s password.</source>
        <translation>&quot;Lösenord&quot; är tomt: ange kontots lösenord.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th number in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; är det 5:e numret i rutan; kameran sparar fyra. Ta bort ett.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th address in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; är den 5:e adressen i rutan; kameran sparar fyra. Ta bort en.</translation>
    </message>
    <message>
        <source>With &quot;SMS Switch&quot; on, the camera needs a phone number for its text messages, for example +4917012345678.</source>
        <translation>Med &quot;SMS&quot; på behöver kameran ett telefonnummer för sina sms, till exempel +46701234567.</translation>
    </message>
    <message>
        <source>With Send To &quot;Phone&quot; or &quot;Both&quot;, the camera needs at least one phone number, for example +4917012345678.</source>
        <translation>Med Skicka till &quot;Tel.&quot; eller &quot;Båda&quot; behöver kameran minst ett telefonnummer, till exempel +46701234567.</translation>
    </message>
    <message>
        <source>With Send To &quot;Email&quot; or &quot;Both&quot;, the camera needs at least one address, for example anna@example.org.</source>
        <translation>Med Skicka till &quot;E-post&quot; eller &quot;Båda&quot; behöver kameran minst en adress, till exempel anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;Path&quot; is empty: pick the SD card&apos;s folder with &quot;...&quot; or type it, for example /media/anna/CAMERA.</source>
        <translation>&quot;Kort&quot; är tomt: välj SD-kortets mapp med &quot;...&quot; eller skriv den, till exempel /media/anna/CAMERA.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from needs an &quot;@&quot;, as in camera@example.org.</source>
        <translation>&quot;%1&quot;: adressen som kameran skickar från behöver ett &quot;@&quot;, som i camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot;: adressen som kameran skickar från innehåller varken &quot;&lt;&quot;, &quot;&gt;&quot; eller styrtecken.</translation>
    </message>
    <message>
        <source>The card did not keep %1: reading it back gave other bytes than were written. The card may be failing or counterfeit. Nothing was saved.</source>
        <translation>Kortet behöll inte %1: när filen lästes tillbaka skilde sig innehållet från det som skrevs. Kortet kan vara trasigt eller förfalskat. Inget sparades.</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Mata ut</translation>
    </message>
    <message>
        <source>%1 can be removed now.</source>
        <translation>%1 kan tas bort nu.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected yet: a program is still using it.</source>
        <translation>%1 kan inte matas ut än: ett program använder det fortfarande.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the system does not allow you to.</source>
        <translation>%1 kan inte matas ut: systemet tillåter det inte.</translation>
    </message>
    <message>
        <source>%1 has been unmounted or removed already.</source>
        <translation>%1 har redan avmonterats eller tagits bort.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the disk service UDisks2 is not running.</source>
        <translation>%1 kan inte matas ut: disktjänsten UDisks2 körs inte.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: %2.</source>
        <translation>%1 kan inte matas ut: %2.</translation>
    </message>
</context>
</TS>
