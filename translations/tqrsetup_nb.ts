<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1: larger than %2 bytes, not </source>
        <translation>%1: større enn %2 byte, altså ikke </translation>
    </message>
    <message>
        <source>%1: is not a regular file (a FIFO, a device or a socket), not </source>
        <translation>%1: er ikke en vanlig fil (en FIFO, en enhet eller en socket), altså ikke </translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1 kan ikke leses (%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: filen finnes ikke</translation>
    </message>
    <message>
        <source>%1: is a folder, not </source>
        <translation>%1: er en mappe, ikke </translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>Fant ikke %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 inneholder en ugyldig sti.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 kunne ikke åpnes fordi for mange filer er åpne.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Tilgang til %1 ble nektet.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 var knyttet til et ugyldig filhåndtak.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 kunne ikke fjernes fordi det er gjeldende mappe.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 kunne ikke opprettes fordi mappen er full.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Posisjonering i %1 mislyktes</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>En maskinvarefeil ble meldt under tilgang til %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Det oppstod en delingsfeil under tilgang til %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Det oppstod en låsefeil under tilgang til %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Lagringsmediet er fullt (under tilgang til %1).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Det ble forsøkt å lese eller skrive forbi slutten av %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Det oppstod en ukjent feil under tilgang til %1.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>en fil uten navn</translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>en innstillingsfil</translation>
    </message>
    <message>
        <source>a PROFILE.BIN</source>
        <translation>en PROFILE.BIN</translation>
    </message>
    <message>
        <source>%1: wrong size, %2 bytes (a PROFILE.BIN has 860)</source>
        <translation>%1: feil størrelse, %2 byte (en PROFILE.BIN har 860)</translation>
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
        <translation>%1 t</translation>
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
        <translation>Bilde</translation>
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
        <translation>1 bilde</translation>
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
        <translation>Lav</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Høy</translation>
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
        <translation>Straks</translation>
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
        <translation>Tlf.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Alle</translation>
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
        <translation>Antallet for «Straks» må være mellom 0 og 99!</translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation>Tidspunktet for dagsrapporten er ugyldig!</translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation>Telefonnummeret er ugyldig!</translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation>Telefonnummeret er for langt!</translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation>E-postadressen er for lang!</translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation>E-postadressen er skrevet feil!</translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation>Skriv inn et telefonnummer!</translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation>Skriv inn en e-postadresse!</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>Det nye navnet kan bare inneholde bokstaver og sifre!</translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation>Maksimal størrelse må være mellom 35 og 120!</translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation>Det er plass til høyst 4 telefonnumre!</translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation>Det er plass til høyst 4 e-postadresser!</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>E-postadressen er ugyldig!</translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation>Porten må være mellom 1 og 65535!</translation>
    </message>
    <message>
        <source>The operator has no MMS URL, so the camera cannot send pictures by MMS.</source>
        <translation>Operatøren har ingen MMS-URL, så kameraet kan ikke sende bilder via MMS.</translation>
    </message>
    <message>
        <source>The operator has no GPRS APN, so the camera cannot send pictures by GPRS.</source>
        <translation>Operatøren har ingen GPRS-APN, så kameraet kan ikke sende bilder via GPRS.</translation>
    </message>
    <message>
        <source>About TQR Setup</source>
        <translation>Om TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup icon</source>
        <translation>Ikon for TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup Version 1.0</source>
        <translation>TQR Setup versjon 1.0</translation>
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
        <translation>Bilde/video</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Oppløsning</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videoformat</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolengde</translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation>Bevegelse/timer</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Følsomhet</translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation>Tidsrom</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Starttime</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Startminutt</translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation>Stopptime</translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation>Stoppminutt</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Tidsstempel</translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation>Blitsavstand</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Password number</source>
        <translation>Passordets sifre</translation>
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
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Vis passord</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Sikkerhet</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>SMTP-port</translation>
    </message>
    <message>
        <source>Test...</source>
        <translation>Test...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation>Sendemodus</translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation>Antall</translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation>Time for dagsrapport</translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation>Minutt for dagsrapport</translation>
    </message>
    <message>
        <source>Send Via</source>
        <translation>Send via</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Send til</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Mottakere</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Mobiloperatør</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatør</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Omdøp</translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation>Nytt filnavn</translation>
    </message>
    <message>
        <source>(a-z, A-Z, 0-9 only)</source>
        <translation>(kun a-z, A-Z, 0-9)</translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation>Maks.</translation>
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
        <translation>Bånd</translation>
    </message>
    <message>
        <source>Cmd Log</source>
        <translation>Kommandologg</translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation>Qmm-feilsøking</translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation>Test av e-post</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Innstillingssider</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Sti:</translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation>Velg mappen på SD-kortet</translation>
    </message>
    <message>
        <source>Look Up Operator</source>
        <translation>Finn operatør</translation>
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
        <translation>Operatørens data</translation>
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
        <translation>Finn...</translation>
    </message>
    <message>
        <source>&amp;About TQR Setup...</source>
        <translation>&amp;Om TQR Setup...</translation>
    </message>
    <message>
        <source>%1, first number</source>
        <translation>%1, første tall</translation>
    </message>
    <message>
        <source>%1, second number</source>
        <translation>%1, andre tall</translation>
    </message>
    <message>
        <source>%1, third number</source>
        <translation>%1, tredje tall</translation>
    </message>
    <message>
        <source>%1, fourth number</source>
        <translation>%1, fjerde tall</translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation>Handlingen kunne ikke fullføres på grunn av en uventet feil. Det du har skrevet, er der fortsatt; prøv igjen.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Skriv inn et heltall.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Skriv inn et positivt heltall.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Skriv inn et heltall mellom %1 og %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Skriv inn høyst %1 tegn.</translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation>Velg mappe</translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation>Flyttbare enheter</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mapper</translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation>E-postkontoen kan ikke testes: velg først sikkerhet.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>Skriv inn serveren!</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>Skriv inn porten!</translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation>Velg sikkerhet!</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>Skriv inn konto og e-postadresse!</translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation>Kontroller e-postinnstillingene!</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Standardinnstillingene blir gjenopprettet.<byte value="xd"/>
Er du sikker?</translation>
    </message>
    <message>
        <source>The box holds a line break (shown as an arrow or as a new line). Put all entries on one line, separated by &quot;;&quot;.</source>
        <translation>Feltet inneholder et linjeskift (vist som en pil eller en ny linje). Skriv alle oppføringene på én linje, atskilt med «;».</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Avbryter...</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Logger inn på %1...</translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation>E-postkontoen virker ikke: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation>E-postkontoen virker: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation>E-postkontoen virker: %1.<byte value="xd"/>
<byte value="xd"/>
Sende en test-e-post til %2?</translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation>Sender test-e-posten til %1...</translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation>Test-e-posten ble ikke sendt: %1.</translation>
    </message>
    <message>
        <source>%1 (unusable: control character)</source>
        <translation>%1 (ubrukelig: kontrolltegn)</translation>
    </message>
    <message>
        <source>(none in the database)</source>
        <translation>(ingen i databasen)</translation>
    </message>
    <message>
        <source>Fill in the parameters of an operator from the mobile broadband provider database.</source>
        <translation>Fyll inn dataene til en operatør fra databasen over mobiloperatører.</translation>
    </message>
    <message>
        <source>The operator look-up needs the package %1 (%2 is missing).</source>
        <translation>Oppslag av operatører krever pakken %1 (%2 mangler).</translation>
    </message>
    <message>
        <source>The card&apos;s settings cannot be opened: %1</source>
        <translation>Kortets innstillinger kan ikke åpnes: %1</translation>
    </message>
    <message>
        <source>%1 holds a value this tool cannot have written (%2: %3)</source>
        <translation>%1 inneholder en verdi dette programmet ikke kan ha skrevet (%2: %3)</translation>
    </message>
    <message>
        <source>The card uses different parameters for %1. Use the card&apos;s?</source>
        <translation>Kortet har andre data for %1. Bruke kortets?</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 were not taken; the stored ones are used.</source>
        <translation>Kortets data for %1 ble ikke tatt i bruk; de lagrede brukes.</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 (%2) were replaced by the table&apos;s.</source>
        <translation>Kortets data for %1 (%2) ble erstattet med tabellens.</translation>
    </message>
    <message>
        <source>The card&apos;s hidden band, command log and debug settings are written as this tool&apos;s on OK.</source>
        <translation>Kortets skjulte innstillinger for bånd, kommandologg og feilsøking overskrives med dette programmets ved OK.</translation>
    </message>
    <message>
        <source>&quot;--lang&quot; needs a language, such as de</source>
        <translation>&quot;--lang&quot; trenger et språk, for eksempel nb</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value</source>
        <translation>&quot;%1&quot; trenger en verdi</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>ukjent valg &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>uventet argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; the dialog speaks English</source>
        <translation>det finnes ingen oversettelse for &quot;%1&quot;; dialogen vises på engelsk</translation>
    </message>
    <message>
        <source>Open settings from card...</source>
        <translation>Åpne innstillinger fra kortet...</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation>Velg mappen</translation>
    </message>
    <message>
        <source>PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?</source>
        <translation>PROFILE.BIN i %1 inneholder andre innstillinger enn de som vises. Åpne dem?</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Velg mappen på SD-kortet.</translation>
    </message>
    <message>
        <source>There is no PROFILE.BIN in %1.</source>
        <translation>Det finnes ingen PROFILE.BIN i %1.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN er lagret i %1</translation>
    </message>
    <message>
        <source>; the password travelled unencrypted</source>
        <translation>; passordet ble sendt ukryptert</translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation>ingen SMTP-server er oppgitt</translation>
    </message>
    <message>
        <source>the SMTP server name holds a control character</source>
        <translation>SMTP-servernavnet inneholder et kontrolltegn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>«%1» er ikke et servernavn</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>porten «%1» er ikke et tall fra 1 til 65535</translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation>ingen konto er oppgitt</translation>
    </message>
    <message>
        <source>the account holds a control character</source>
        <translation>kontoen inneholder et kontrolltegn</translation>
    </message>
    <message>
        <source>the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent</source>
        <translation>sikkerheten er verken Ingen, SSL/TLS eller STARTTLS, så passordet ble ikke sendt</translation>
    </message>
    <message>
        <source>the sender address holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>avsenderadressen inneholder et kontrolltegn, «&lt;» eller «&gt;»</translation>
    </message>
    <message>
        <source>the sender address holds no &quot;@&quot;</source>
        <translation>avsenderadressen inneholder ingen «@»</translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation>det er ingen mottaker for test-e-posten</translation>
    </message>
    <message>
        <source>recipient %1 holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>mottaker %1 inneholder et kontrolltegn, «&lt;» eller «&gt;»</translation>
    </message>
    <message>
        <source>recipient %1 is too long</source>
        <translation>mottaker %1 er for lang</translation>
    </message>
    <message>
        <source>recipient %1 holds no &quot;@&quot; after its first character</source>
        <translation>mottaker %1 har ingen «@» etter første tegn</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>testen ble avbrutt</translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation>finner ikke servernavnet %1</translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation>ingenting svarer på %1 (tilkoblingen ble avvist)</translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation>ikke noe svar fra %1 innen %2</translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation>serveren %1 tilbyr ikke STARTTLS, så passordet ble ikke sendt</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>sertifikatet til %1 er ikke klarert</translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation>ingen sikker tilkobling til %1 kunne opprettes (er sikkerheten riktig?)</translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation>serveren avviste innloggingen%1</translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation>serveren avviste test-e-posten%1</translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation>serveren %1 ga et uventet svar%2</translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation>tilkoblingen til %1 ble brutt%2</translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation>systemets klarerte sertifikater kan ikke leses</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>CA-filen %1 kan ikke leses</translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation>testen mislyktes: %1%2</translation>
    </message>
    <message>
        <source>a CA certificate file</source>
        <translation>en CA-sertifikatfil</translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation>e-posttesten trenger libcurl (libcurl.so.4), som ikke kunne lastes inn</translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation>testen kunne ikke startes</translation>
    </message>
    <message>
        <source>this libcurl is too old to use the CA file %1 (7.77 or later is needed)</source>
        <translation>denne libcurl er for gammel for CA-filen %1 (7.77 eller nyere trengs)</translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation>serveren %1 tilbød ingen innlogging uten kryptering; kontoen ble ikke prøvd</translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation>serveren %1 tilbød ingen innlogging med %2; kontoen ble ikke prøvd</translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation>test-e-posten fra %1 til %2 er sendt</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation>serveren %1 godtok innloggingen til %2 (uten kryptering)</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation>serveren %1 godtok innloggingen til %2 (%3)</translation>
    </message>
    <message>
        <source>: the database&apos;s value has a control character; the field is left empty.</source>
        <translation>: databasens verdi inneholder et kontrolltegn; feltet blir stående tomt.</translation>
    </message>
    <message>
        <source>: the database&apos;s value &quot;%1&quot; has characters the camera cannot store; the field is left empty.</source>
        <translation>: databasens verdi «%1» inneholder tegn som kameraet ikke kan lagre; feltet blir stående tomt.</translation>
    </message>
    <message>
        <source>: the database&apos;s value is longer than %1 characters; the field is left empty.</source>
        <translation>: databasens verdi er lengre enn %1 tegn; feltet blir stående tomt.</translation>
    </message>
    <message>
        <source>The database gives no MMS proxy; gateway and port are left empty.</source>
        <translation>Databasen oppgir ingen MMS-proxy; gateway og port blir stående tomme.</translation>
    </message>
    <message>
        <source>The MMS proxy has a control character; gateway and port are left empty.</source>
        <translation>MMS-proxyen inneholder et kontrolltegn; gateway og port blir stående tomme.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; is a host name, which the gateway address cannot hold; gateway and port are left empty.</source>
        <translation>MMS-proxyen «%1» er et vertsnavn, som gateway-adressen ikke kan inneholde; gateway og port blir stående tomme.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; gives no port; gateway and port are left empty.</source>
        <translation>MMS-proxyen «%1» oppgir ingen port; gateway og port blir stående tomme.</translation>
    </message>
    <message>
        <source>The port of the MMS proxy &quot;%1&quot; is not between 1 and %2; gateway and port are left empty.</source>
        <translation>Porten til MMS-proxyen «%1» er ikke mellom 1 og %2; gateway og port blir stående tomme.</translation>
    </message>
    <message>
        <source>The chosen MMS access point has a control character in its APN, account or password; the MMS fields are left empty.</source>
        <translation>Det valgte MMS-tilgangspunktet har et kontrolltegn i APN, konto eller passord; MMS-feltene blir stående tomme.</translation>
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
        <translation>MMS-passord</translation>
    </message>
    <message>
        <source>%1 has no MMS data in the database; the MMS fields are left empty.</source>
        <translation>Databasen har ingen MMS-data for %1; MMS-feltene blir stående tomme.</translation>
    </message>
    <message>
        <source>The chosen data access point has a control character in its APN, account or password; the GPRS fields are left empty.</source>
        <translation>Det valgte datatilgangspunktet har et kontrolltegn i APN, konto eller passord; GPRS-feltene blir stående tomme.</translation>
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
        <translation>GPRS-passord</translation>
    </message>
    <message>
        <source>%1 has no data APN in the database; the GPRS fields are left empty.</source>
        <translation>Databasen har ingen data-APN for %1; GPRS-feltene blir stående tomme.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (it declares another encoding); it is not read.</source>
        <translation>Operatørdatabasen er ikke UTF-8-tekst (den oppgir en annen koding); den leses ikke.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (byte %1); it is not read.</source>
        <translation>Operatørdatabasen er ikke UTF-8-tekst (byte %1); den leses ikke.</translation>
    </message>
    <message>
        <source>The provider database is nested deeper than %1 levels.</source>
        <translation>Operatørdatabasen er nøstet dypere enn %1 nivåer.</translation>
    </message>
    <message>
        <source>The provider database holds a text longer than %1 bytes; it is not read.</source>
        <translation>Operatørdatabasen inneholder en tekst på mer enn %1 byte; den leses ikke.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 countries, more than the real one could; it is not read.</source>
        <translation>Operatørdatabasen har mer enn %1 land, flere enn den ekte kan ha; den leses ikke.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 operators in a country, more than the real one could; it is not read.</source>
        <translation>Operatørdatabasen har mer enn %1 operatører i ett land, flere enn den ekte kan ha; den leses ikke.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points of an operator, more than the real one could; it is not read.</source>
        <translation>Operatørdatabasen har mer enn %1 tilgangspunkter for én operatør, flere enn den ekte kan ha; den leses ikke.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points, more than the real one could; it is not read.</source>
        <translation>Operatørdatabasen har mer enn %1 tilgangspunkter, flere enn den ekte kan ha; den leses ikke.</translation>
    </message>
    <message>
        <source>The provider database is larger than %1 MB.</source>
        <translation>Operatørdatabasen er større enn %1 MB.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 tags, more than the real one could; it is not read.</source>
        <translation>Operatørdatabasen har mer enn %1 tagger, flere enn den ekte kan ha; den leses ikke.</translation>
    </message>
    <message>
        <source>The provider database declares entities; it is not read.</source>
        <translation>Operatørdatabasen deklarerer entiteter; den leses ikke.</translation>
    </message>
    <message>
        <source>The provider database is not valid XML: %1 at byte %2.</source>
        <translation>Operatørdatabasen er ikke gyldig XML: %1 ved byte %2.</translation>
    </message>
    <message>
        <source>The file is not a provider database (no &lt;serviceproviders&gt;).</source>
        <translation>Filen er ingen operatørdatabase (ingen &lt;serviceproviders&gt;).</translation>
    </message>
    <message>
        <source>The provider database %1 cannot be opened. Install the package %2 or name the file.</source>
        <translation>Operatørdatabasen %1 kan ikke åpnes. Installer pakken %2 eller oppgi filen.</translation>
    </message>
    <message>
        <source>a provider database</source>
        <translation>en operatørdatabase</translation>
    </message>
    <message>
        <source>The provider database cannot be read: </source>
        <translation>Operatørdatabasen kan ikke leses: </translation>
    </message>
    <message>
        <source>Leave out the space.</source>
        <translation>Fjern mellomrommet.</translation>
    </message>
    <message>
        <source>It holds a no-break space, which looks like a space: delete it.</source>
        <translation>Det inneholder et hardt mellomrom, som ser ut som et mellomrom: slett det.</translation>
    </message>
    <message>
        <source>It holds a character that cannot be seen (shown as &quot;%1&quot;): delete it.</source>
        <translation>Det inneholder et usynlig tegn (vist som &quot;%1&quot;): slett det.</translation>
    </message>
    <message>
        <source>Leave out &quot;%1&quot;.</source>
        <translation>Fjern &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; the box is empty.</source>
        <translation>&quot;%1&quot; må være et heltall fra %2 til %3; feltet er tomt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; &quot;%4&quot; is not one.</source>
        <translation>&quot;%1&quot; må være et heltall fra %2 til %3; &quot;%4&quot; er ikke et heltall.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; the box is empty.</source>
        <translation>&quot;%1&quot; må være et heltall skrevet med sifre; feltet er tomt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; &quot;%2&quot; is not one.</source>
        <translation>&quot;%1&quot; må være et heltall skrevet med sifre; &quot;%2&quot; er ikke et heltall.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3, not %4.</source>
        <translation>&quot;%1&quot; må være et heltall fra %2 til %3, ikke %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; it has %3.</source>
        <translation>&quot;%1&quot; kan ha høyst %2 tegn; det har %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>&quot;%1&quot; kan ha høyst %2 tegn; &quot;%3&quot; har %4.</translation>
    </message>
    <message>
        <source>&quot;Max Num&quot; takes a whole number from 0 to 99, not %1.</source>
        <translation>&quot;Antall&quot; må være et heltall fra 0 til 99, ikke %1.</translation>
    </message>
    <message>
        <source>%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 to 59.</source>
        <translation>%1:%2 er ikke et klokkeslett: timen er 0 til 23 og minuttet 0 til 59.</translation>
    </message>
    <message>
        <source>&quot;Max Size&quot; takes a whole number of KB from 35 to 120, not %1.</source>
        <translation>&quot;Maks.&quot; må være et helt antall KB fra 35 til 120, ikke %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a new name takes only the letters a-z and A-Z and the digits 0-9.</source>
        <translation>&quot;%1&quot;: et nytt navn kan bare ha bokstavene a-z og A-Z og sifrene 0-9.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box): a phone number holds digits only, with one &quot;+&quot; at the start.</source>
        <translation>&quot;%1&quot; (nummer %2 i feltet): et telefonnummer har bare sifre, med ett &quot;+&quot; først.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box) has %3 characters; a phone number has at most 23.</source>
        <translation>&quot;%1&quot; (nummer %2 i feltet) har %3 tegn; et telefonnummer har høyst 23.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box) has %3 characters; an address has at most 47.</source>
        <translation>&quot;%1&quot; (adresse %2 i feltet) har %3 tegn; en adresse har høyst 47.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address needs a name, &quot;@&quot; and a domain, for example anna@example.org.</source>
        <translation>&quot;%1&quot; (adresse %2 i feltet): en adresse trenger et navn, &quot;@&quot; og et domene, for eksempel anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; (adresse %2 i feltet): en adresse kan verken inneholde &quot;&lt;&quot;, &quot;&gt;&quot; eller kontrolltegn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the port is a whole number from 1 to 65535, such as 25, 465 or 587.</source>
        <translation>&quot;%1&quot;: porten er et heltall fra 1 til 65535, for eksempel 25, 465 eller 587.</translation>
    </message>
    <message>
        <source>&quot;SMTP Server&quot; is empty: enter the server that sends the camera&apos;s mail, as the mail provider names it, for example smtp.example.org.</source>
        <translation>&quot;SMTP-server&quot; er tom: skriv inn serveren som sender kameraets e-post, slik e-postleverandøren oppgir den, for eksempel smtp.example.org.</translation>
    </message>
    <message>
        <source>&quot;SMTP Port&quot; is empty: enter the port the mail provider gives, usually 25, 465 or 587.</source>
        <translation>&quot;SMTP-port&quot; er tom: skriv inn porten e-postleverandøren oppgir, som regel 25, 465 eller 587.</translation>
    </message>
    <message>
        <source>&quot;Secure Type&quot; is not chosen: pick the one the mail provider gives for this port (often SSL/TLS for 465, STARTTLS for 587).</source>
        <translation>&quot;Sikkerhet&quot; er ikke valgt: velg den e-postleverandøren oppgir for denne porten (ofte SSL/TLS for 465, STARTTLS for 587).</translation>
    </message>
    <message>
        <source>&quot;Email&quot; is empty: enter the address the camera sends from, for example camera@example.org.</source>
        <translation>&quot;E-post&quot; er tom: skriv inn adressen kameraet sender fra, for eksempel camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;Account&quot; is empty: enter the name the mail server knows the account by, often the address itself.</source>
        <translation>&quot;Konto&quot; er tom: skriv inn navnet e-postserveren kjenner kontoen under, ofte selve adressen.</translation>
    </message>
    <message>
        <source>&quot;Password&quot; is empty: enter the account&apos;s password.</source>
        <translation>&quot;Passord&quot; er tomt: skriv inn kontoens passord.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th number in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; er det 5. nummeret i feltet; kameraet lagrer fire. Fjern ett.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th address in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; er den 5. adressen i feltet; kameraet lagrer fire. Fjern én.</translation>
    </message>
    <message>
        <source>With &quot;SMS Switch&quot; on, the camera needs a phone number for its text messages, for example +4917012345678.</source>
        <translation>Med &quot;SMS&quot; på trenger kameraet et telefonnummer for SMS-ene sine, for eksempel +4791234567.</translation>
    </message>
    <message>
        <source>With Send To &quot;Phone&quot; or &quot;Both&quot;, the camera needs at least one phone number, for example +4917012345678.</source>
        <translation>Med Send til &quot;Tlf.&quot; eller &quot;Alle&quot; trenger kameraet minst ett telefonnummer, for eksempel +4791234567.</translation>
    </message>
    <message>
        <source>With Send To &quot;Email&quot; or &quot;Both&quot;, the camera needs at least one address, for example anna@example.org.</source>
        <translation>Med Send til &quot;E-post&quot; eller &quot;Alle&quot; trenger kameraet minst én adresse, for eksempel anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;Path&quot; is empty: pick the SD card&apos;s folder with &quot;...&quot; or type it, for example /media/anna/CAMERA.</source>
        <translation>&quot;Sti&quot; er tom: velg mappen på SD-kortet med &quot;...&quot; eller skriv den inn, for eksempel /media/anna/CAMERA.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from needs an &quot;@&quot;, as in camera@example.org.</source>
        <translation>&quot;%1&quot;: adressen kameraet sender fra, trenger en &quot;@&quot;, som i camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot;: adressen kameraet sender fra, kan verken inneholde &quot;&lt;&quot;, &quot;&gt;&quot; eller kontrolltegn.</translation>
    </message>
    <message>
        <source>The card did not keep %1: reading it back gave other bytes than were written. The card may be failing or counterfeit. Nothing was saved.</source>
        <translation>Kortet beholdt ikke %1: da filen ble lest tilbake, var innholdet et annet enn det som ble skrevet. Kortet kan være i ferd med å svikte eller være forfalsket. Ingenting ble lagret.</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Løs ut</translation>
    </message>
    <message>
        <source>%1 can be removed now.</source>
        <translation>%1 kan fjernes nå.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected yet: a program is still using it.</source>
        <translation>%1 kan ikke løses ut ennå: et program bruker det fortsatt.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the system does not allow you to.</source>
        <translation>%1 kan ikke løses ut: systemet tillater det ikke.</translation>
    </message>
    <message>
        <source>%1 has been unmounted or removed already.</source>
        <translation>%1 er allerede avmontert eller fjernet.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the disk service UDisks2 is not running.</source>
        <translation>%1 kan ikke løses ut: disktjenesten UDisks2 kjører ikke.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: %2.</source>
        <translation>%1 kan ikke løses ut: %2.</translation>
    </message>
</context>
</TS>
