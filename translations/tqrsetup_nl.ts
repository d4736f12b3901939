<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1: larger than %2 bytes, not </source>
        <translation>%1: groter dan %2 bytes, dus geen </translation>
    </message>
    <message>
        <source>%1: is not a regular file (a FIFO, a device or a socket), not </source>
        <translation>%1: is geen gewoon bestand (een FIFO, een apparaat of een socket), dus geen </translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1 kan niet worden gelezen (%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: bestand bestaat niet</translation>
    </message>
    <message>
        <source>%1: is a folder, not </source>
        <translation>%1: is een map, geen </translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 is niet gevonden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 bevat een ongeldig pad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 kon niet worden geopend omdat er te veel bestanden open zijn.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Toegang tot %1 is geweigerd.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Aan %1 was een ongeldige bestandsingang gekoppeld.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 kon niet worden verwijderd omdat het de huidige map is.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 kon niet worden gemaakt omdat de map vol is.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positioneren in %1 is mislukt</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Er is een hardwarefout gemeld bij toegang tot %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Er is een deelfout opgetreden bij toegang tot %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Er is een vergrendelingsfout opgetreden bij toegang tot %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Het opslagmedium is vol (bij toegang tot %1).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Er is geprobeerd voorbij het einde van %1 te lezen of te schrijven.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Er is een onbekende fout opgetreden bij toegang tot %1.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>een naamloos bestand</translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>instellingenbestand</translation>
    </message>
    <message>
        <source>a PROFILE.BIN</source>
        <translation>PROFILE.BIN</translation>
    </message>
    <message>
        <source>%1: wrong size, %2 bytes (a PROFILE.BIN has 860)</source>
        <translation>%1: verkeerde grootte, %2 bytes (een PROFILE.BIN heeft er 860)</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 sec</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 uur</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
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
        <translation>1 foto</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 foto&apos;s</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 foto&apos;s</translation>
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
        <translation>Laag</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
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
        <translation>Direct</translation>
    </message>
    <message>
        <source>DailyReport</source>
        <translation>Dagrapport</translation>
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
        <translation>Mail</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
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
        <translation>Geen</translation>
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
        <translation>Het aantal voor “Direct” moet tussen 0 en 99 liggen!</translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation>Het tijdstip van het dagrapport is ongeldig!</translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation>Het telefoonnummer is ongeldig!</translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation>Het telefoonnummer is te lang!</translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation>Het e-mailadres is te lang!</translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation>Het e-mailadres is verkeerd geschreven!</translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation>Vul een telefoonnummer in!</translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation>Vul een e-mailadres in!</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>De nieuwe naam mag alleen letters en cijfers bevatten!</translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation>De maximale grootte moet tussen 35 en 120 liggen!</translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation>Er passen maximaal 4 telefoonnummers in!</translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation>Er passen maximaal 4 e-mailadressen in!</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>Het e-mailadres is ongeldig!</translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation>De poort moet tussen 1 en 65535 liggen!</translation>
    </message>
    <message>
        <source>The operator has no MMS URL, so the camera cannot send pictures by MMS.</source>
        <translation>De provider heeft geen MMS-URL, dus de camera kan geen foto&apos;s via MMS versturen.</translation>
    </message>
    <message>
        <source>The operator has no GPRS APN, so the camera cannot send pictures by GPRS.</source>
        <translation>De provider heeft geen GPRS-APN, dus de camera kan geen foto&apos;s via GPRS versturen.</translation>
    </message>
    <message>
        <source>About TQR Setup</source>
        <translation>Over TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup icon</source>
        <translation>Pictogram van TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup Version 1.0</source>
        <translation>TQR Setup versie 1.0</translation>
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
        <translation>Foto/video</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videoformaat</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videoduur</translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation>Beweging/timer</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Gevoeligheid</translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation>Werktijd</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Beginuur</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Beginminuut</translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation>Einduur</translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation>Eindminuut</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Tijdstempel</translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation>Flitsbereik</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Password number</source>
        <translation>Cijfers van het wachtwoord</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Email Set</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation>Maildienst</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Wachtwoord tonen</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Beveiliging</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>SMTP-poort</translation>
    </message>
    <message>
        <source>Test...</source>
        <translation>Testen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation>Verzendmodus</translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation>Uur van het dagrapport</translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation>Minuut van het dagrapport</translation>
    </message>
    <message>
        <source>Send Via</source>
        <translation>Verzenden via</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Verzenden naar</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Ontvangers</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Mobiele provider</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoem</translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation>Nieuwe bestandsnaam</translation>
    </message>
    <message>
        <source>(a-z, A-Z, 0-9 only)</source>
        <translation>(alleen a-z, A-Z, 0-9)</translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation>Max.</translation>
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
        <translation>Opdrachtlog</translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation>Qmm-foutopsporing</translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation>E-mailtest</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Instellingenpagina&apos;s</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pad:</translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation>Map van de SD-kaart kiezen</translation>
    </message>
    <message>
        <source>Look Up Operator</source>
        <translation>Provider opzoeken</translation>
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
        <translation>Providergegevens</translation>
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
        <translation>Poort</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Look up...</source>
        <translation>Opzoeken...</translation>
    </message>
    <message>
        <source>&amp;About TQR Setup...</source>
        <translation>&amp;Over TQR Setup...</translation>
    </message>
    <message>
        <source>%1, first number</source>
        <translation>%1, eerste getal</translation>
    </message>
    <message>
        <source>%1, second number</source>
        <translation>%1, tweede getal</translation>
    </message>
    <message>
        <source>%1, third number</source>
        <translation>%1, derde getal</translation>
    </message>
    <message>
        <source>%1, fourth number</source>
        <translation>%1, vierde getal</translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation>De actie kon door een onverwachte fout niet worden voltooid. Uw invoer is bewaard; probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Vul een geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Vul een positief geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Vul een geheel getal tussen %1 en %2 in.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Vul maximaal %1 tekens in.</translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation>Map kiezen</translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation>Verwisselbare media</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation>Het e-mailaccount kan niet worden getest: kies eerst de beveiliging.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>Vul de server in!</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>Vul de poort in!</translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation>Kies de beveiliging!</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>Vul het account en het e-mailadres in!</translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation>Controleer de e-mailinstellingen!</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation>De standaardinstellingen worden hersteld.<byte value="xd"/>
Weet u het zeker?</translation>
    </message>
    <message>
        <source>The box holds a line break (shown as an arrow or as a new line). Put all entries on one line, separated by &quot;;&quot;.</source>
        <translation>Het vak bevat een regeleinde (getoond als pijl of als nieuwe regel). Zet alle invoer op één regel, gescheiden door “;”.</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annuleren...</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Aanmelden bij %1...</translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation>Het e-mailaccount werkt niet: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation>Het e-mailaccount werkt: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation>Het e-mailaccount werkt: %1.<byte value="xd"/>
<byte value="xd"/>
Een test-e-mail naar %2 sturen?</translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation>Test-e-mail naar %1 verzenden...</translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation>De test-e-mail is niet verzonden: %1.</translation>
    </message>
    <message>
        <source>%1 (unusable: control character)</source>
        <translation>%1 (onbruikbaar: stuurteken)</translation>
    </message>
    <message>
        <source>(none in the database)</source>
        <translation>(geen in de database)</translation>
    </message>
    <message>
        <source>Fill in the parameters of an operator from the mobile broadband provider database.</source>
        <translation>De gegevens van een provider invullen uit de database van mobiele providers.</translation>
    </message>
    <message>
        <source>The operator look-up needs the package %1 (%2 is missing).</source>
        <translation>Het opzoeken van providers heeft het pakket %1 nodig (%2 ontbreekt).</translation>
    </message>
    <message>
        <source>The card&apos;s settings cannot be opened: %1</source>
        <translation>De instellingen van de kaart kunnen niet worden geopend: %1</translation>
    </message>
    <message>
        <source>%1 holds a value this tool cannot have written (%2: %3)</source>
        <translation>%1 bevat een waarde die dit programma niet kan hebben geschreven (%2: %3)</translation>
    </message>
    <message>
        <source>The card uses different parameters for %1. Use the card&apos;s?</source>
        <translation>De kaart heeft andere gegevens voor %1. Die van de kaart gebruiken?</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 were not taken; the stored ones are used.</source>
        <translation>De gegevens van de kaart voor %1 zijn niet overgenomen; de opgeslagen gegevens worden gebruikt.</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 (%2) were replaced by the table&apos;s.</source>
        <translation>De gegevens van de kaart voor %1 (%2) zijn vervangen door die uit de tabel.</translation>
    </message>
    <message>
        <source>The card&apos;s hidden band, command log and debug settings are written as this tool&apos;s on OK.</source>
        <translation>De verborgen instellingen van de kaart voor band, opdrachtlog en foutopsporing worden bij OK vervangen door die van dit programma.</translation>
    </message>
    <message>
        <source>&quot;--lang&quot; needs a language, such as de</source>
        <translation>&quot;--lang&quot; heeft een taal nodig, bijvoorbeeld nl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value</source>
        <translation>&quot;%1&quot; heeft een waarde nodig</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>onbekende optie &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>onverwacht argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; the dialog speaks English</source>
        <translation>er is geen vertaling voor &quot;%1&quot;; het venster wordt in het Engels getoond</translation>
    </message>
    <message>
        <source>Open settings from card...</source>
        <translation>Instellingen van de kaart openen...</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation>Kies de map</translation>
    </message>
    <message>
        <source>PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?</source>
        <translation>PROFILE.BIN in %1 bevat andere instellingen dan er worden getoond. Openen?</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Kies de map van de SD-kaart.</translation>
    </message>
    <message>
        <source>There is no PROFILE.BIN in %1.</source>
        <translation>Er staat geen PROFILE.BIN in %1.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN is opgeslagen in %1</translation>
    </message>
    <message>
        <source>; the password travelled unencrypted</source>
        <translation>; het wachtwoord is onversleuteld verzonden</translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation>er is geen SMTP-server ingevuld</translation>
    </message>
    <message>
        <source>the SMTP server name holds a control character</source>
        <translation>de naam van de SMTP-server bevat een stuurteken</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>“%1” is geen servernaam</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>de poort “%1” is geen getal van 1 tot 65535</translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation>er is geen account ingevuld</translation>
    </message>
    <message>
        <source>the account holds a control character</source>
        <translation>het account bevat een stuurteken</translation>
    </message>
    <message>
        <source>the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent</source>
        <translation>de beveiliging is geen van Geen, SSL/TLS en STARTTLS, dus het wachtwoord is niet verzonden</translation>
    </message>
    <message>
        <source>the sender address holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>het afzenderadres bevat een stuurteken, “&lt;” of “&gt;”</translation>
    </message>
    <message>
        <source>the sender address holds no &quot;@&quot;</source>
        <translation>het afzenderadres bevat geen “@”</translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation>er is geen ontvanger voor de test-e-mail</translation>
    </message>
    <message>
        <source>recipient %1 holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>ontvanger %1 bevat een stuurteken, “&lt;” of “&gt;”</translation>
    </message>
    <message>
        <source>recipient %1 is too long</source>
        <translation>ontvanger %1 is te lang</translation>
    </message>
    <message>
        <source>recipient %1 holds no &quot;@&quot; after its first character</source>
        <translation>ontvanger %1 bevat geen “@” na het eerste teken</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>de test is geannuleerd</translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation>de servernaam %1 is niet gevonden</translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation>niets antwoordt op %1 (de verbinding is geweigerd)</translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation>geen antwoord van %1 binnen %2</translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation>de server %1 biedt geen STARTTLS aan, dus het wachtwoord is niet verzonden</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>het certificaat van %1 wordt niet vertrouwd</translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation>er kon geen beveiligde verbinding met %1 worden opgezet (klopt de beveiliging?)</translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation>de server heeft de aanmelding geweigerd%1</translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation>de server heeft de test-e-mail geweigerd%1</translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation>de server %1 gaf een onverwacht antwoord%2</translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation>de verbinding met %1 is verbroken%2</translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation>de vertrouwde certificaten van het systeem zijn niet leesbaar</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>het CA-bestand %1 is niet leesbaar</translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation>de test is mislukt: %1%2</translation>
    </message>
    <message>
        <source>a CA certificate file</source>
        <translation>CA-certificaatbestand</translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation>de e-mailtest heeft libcurl (libcurl.so.4) nodig, maar die kon niet worden geladen</translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation>de test kon niet worden gestart</translation>
    </message>
    <message>
        <source>this libcurl is too old to use the CA file %1 (7.77 or later is needed)</source>
        <translation>deze libcurl is te oud voor het CA-bestand %1 (7.77 of nieuwer is nodig)</translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation>de server %1 bood geen aanmelding zonder versleuteling aan; het account is niet geprobeerd</translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation>de server %1 bood geen aanmelding met %2 aan; het account is niet geprobeerd</translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation>de test-e-mail van %1 naar %2 is verzonden</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation>de server %1 heeft de aanmelding van %2 geaccepteerd (zonder versleuteling)</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation>de server %1 heeft de aanmelding van %2 geaccepteerd (%3)</translation>
    </message>
    <message>
        <source>: the database&apos;s value has a control character; the field is left empty.</source>
        <translation>: de waarde uit de database bevat een stuurteken; het veld blijft leeg.</translation>
    </message>
    <message>
        <source>: the database&apos;s value &quot;%1&quot; has characters the camera cannot store; the field is left empty.</source>
        <translation>: de waarde “%1” uit de database bevat tekens die de camera niet kan opslaan; het veld blijft leeg.</translation>
    </message>
    <message>
        <source>: the database&apos;s value is longer than %1 characters; the field is left empty.</source>
        <translation>: de waarde uit de database is langer dan %1 tekens; het veld blijft leeg.</translation>
    </message>
    <message>
        <source>The database gives no MMS proxy; gateway and port are left empty.</source>
        <translation>De database geeft geen MMS-proxy; gateway en poort blijven leeg.</translation>
    </message>
    <message>
        <source>The MMS proxy has a control character; gateway and port are left empty.</source>
        <translation>De MMS-proxy bevat een stuurteken; gateway en poort blijven leeg.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; is a host name, which the gateway address cannot hold; gateway and port are left empty.</source>
        <translation>De MMS-proxy “%1” is een hostnaam, die niet als gateway-adres kan worden ingevuld; gateway en poort blijven leeg.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; gives no port; gateway and port are left empty.</source>
        <translation>De MMS-proxy “%1” geeft geen poort; gateway en poort blijven leeg.</translation>
    </message>
    <message>
        <source>The port of the MMS proxy &quot;%1&quot; is not between 1 and %2; gateway and port are left empty.</source>
        <translation>De poort van de MMS-proxy “%1” ligt niet tussen 1 en %2; gateway en poort blijven leeg.</translation>
    </message>
    <message>
        <source>The chosen MMS access point has a control character in its APN, account or password; the MMS fields are left empty.</source>
        <translation>Het gekozen MMS-toegangspunt heeft een stuurteken in de APN, het account of het wachtwoord; de MMS-velden blijven leeg.</translation>
    </message>
    <message>
        <source>MMS URL</source>
        <translation>MMS-URL</translation>
    </message>
    <message>
        <source>MMS account</source>
        <translation>MMS-account</translation>
    </message>
    <message>
        <source>MMS password</source>
        <translation>MMS-wachtwoord</translation>
    </message>
    <message>
        <source>%1 has no MMS data in the database; the MMS fields are left empty.</source>
        <translation>De database heeft geen MMS-gegevens voor %1; de MMS-velden blijven leeg.</translation>
    </message>
    <message>
        <source>The chosen data access point has a control character in its APN, account or password; the GPRS fields are left empty.</source>
        <translation>Het gekozen datatoegangspunt heeft een stuurteken in de APN, het account of het wachtwoord; de GPRS-velden blijven leeg.</translation>
    </message>
    <message>
        <source>GPRS APN</source>
        <translation>GPRS-APN</translation>
    </message>
    <message>
        <source>GPRS account</source>
        <translation>GPRS-account</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-wachtwoord</translation>
    </message>
    <message>
        <source>%1 has no data APN in the database; the GPRS fields are left empty.</source>
        <translation>De database heeft geen data-APN voor %1; de GPRS-velden blijven leeg.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (it declares another encoding); it is not read.</source>
        <translation>De providerdatabase is geen UTF-8-tekst (ze geeft een andere codering op); ze wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (byte %1); it is not read.</source>
        <translation>De providerdatabase is geen UTF-8-tekst (byte %1); ze wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The provider database is nested deeper than %1 levels.</source>
        <translation>De providerdatabase is dieper dan %1 niveaus genest.</translation>
    </message>
    <message>
        <source>The provider database holds a text longer than %1 bytes; it is not read.</source>
        <translation>De providerdatabase bevat een tekst van meer dan %1 bytes; ze wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 countries, more than the real one could; it is not read.</source>
        <translation>De providerdatabase noemt meer dan %1 landen, meer dan de echte kan hebben; ze wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 operators in a country, more than the real one could; it is not read.</source>
        <translation>De providerdatabase noemt meer dan %1 providers in één land, meer dan de echte kan hebben; ze wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points of an operator, more than the real one could; it is not read.</source>
        <translation>De providerdatabase noemt meer dan %1 toegangspunten van één provider, meer dan de echte kan hebben; ze wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points, more than the real one could; it is not read.</source>
        <translation>De providerdatabase noemt meer dan %1 toegangspunten, meer dan de echte kan hebben; ze wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The provider database is larger than %1 MB.</source>
        <translation>De providerdatabase is groter dan %1 MB.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 tags, more than the real one could; it is not read.</source>
        <translation>De providerdatabase bevat meer dan %1 tags, meer dan de echte kan hebben; ze wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The provider database declares entities; it is not read.</source>
        <translation>De providerdatabase declareert entiteiten; ze wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The provider database is not valid XML: %1 at byte %2.</source>
        <translation>De providerdatabase is geen geldige XML: %1 bij byte %2.</translation>
    </message>
    <message>
        <source>The file is not a provider database (no &lt;serviceproviders&gt;).</source>
        <translation>Het bestand is geen providerdatabase (geen &lt;serviceproviders&gt;).</translation>
    </message>
    <message>
        <source>The provider database %1 cannot be opened. Install the package %2 or name the file.</source>
        <translation>De providerdatabase %1 kan niet worden geopend. Installeer het pakket %2 of geef het bestand op.</translation>
    </message>
    <message>
        <source>a provider database</source>
        <translation>providerdatabase</translation>
    </message>
    <message>
        <source>The provider database cannot be read: </source>
        <translation>De providerdatabase kan niet worden gelezen: </translation>
    </message>
    <message>
        <source>Leave out the space.</source>
        <translation>Laat de spatie weg.</translation>
    </message>
    <message>
        <source>It holds a no-break space, which looks like a space: delete it.</source>
        <translation>Er staat een harde spatie in, die op een spatie lijkt: verwijder die.</translation>
    </message>
    <message>
        <source>It holds a character that cannot be seen (shown as &quot;%1&quot;): delete it.</source>
        <translation>Er staat een onzichtbaar teken in (getoond als &quot;%1&quot;): verwijder het.</translation>
    </message>
    <message>
        <source>Leave out &quot;%1&quot;.</source>
        <translation>Laat &quot;%1&quot; weg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; the box is empty.</source>
        <translation>&quot;%1&quot; vraagt een geheel getal van %2 tot %3; het vak is leeg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; &quot;%4&quot; is not one.</source>
        <translation>&quot;%1&quot; vraagt een geheel getal van %2 tot %3; &quot;%4&quot; is geen geheel getal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; the box is empty.</source>
        <translation>&quot;%1&quot; vraagt een geheel getal in cijfers; het vak is leeg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; &quot;%2&quot; is not one.</source>
        <translation>&quot;%1&quot; vraagt een geheel getal in cijfers; &quot;%2&quot; is geen geheel getal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3, not %4.</source>
        <translation>&quot;%1&quot; vraagt een geheel getal van %2 tot %3, niet %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; it has %3.</source>
        <translation>&quot;%1&quot; bevat hoogstens %2 tekens; er staan er %3 in.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>&quot;%1&quot; bevat hoogstens %2 tekens; &quot;%3&quot; heeft er %4.</translation>
    </message>
    <message>
        <source>&quot;Max Num&quot; takes a whole number from 0 to 99, not %1.</source>
        <translation>&quot;Aantal&quot; is een geheel getal van 0 tot 99, niet %1.</translation>
    </message>
    <message>
        <source>%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 to 59.</source>
        <translation>%1:%2 is geen tijdstip: het uur is 0 tot 23 en de minuut 0 tot 59.</translation>
    </message>
    <message>
        <source>&quot;Max Size&quot; takes a whole number of KB from 35 to 120, not %1.</source>
        <translation>&quot;Max.&quot; is een geheel aantal KB van 35 tot 120, niet %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a new name takes only the letters a-z and A-Z and the digits 0-9.</source>
        <translation>&quot;%1&quot;: een nieuwe naam bevat alleen de letters a-z en A-Z en de cijfers 0-9.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box): a phone number holds digits only, with one &quot;+&quot; at the start.</source>
        <translation>&quot;%1&quot; (nummer %2 in het vak): een telefoonnummer bevat alleen cijfers, met één &quot;+&quot; vooraan.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box) has %3 characters; a phone number has at most 23.</source>
        <translation>&quot;%1&quot; (nummer %2 in het vak) heeft %3 tekens; een telefoonnummer heeft er hoogstens 23.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box) has %3 characters; an address has at most 47.</source>
        <translation>&quot;%1&quot; (adres %2 in het vak) heeft %3 tekens; een adres heeft er hoogstens 47.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address needs a name, &quot;@&quot; and a domain, for example anna@example.org.</source>
        <translation>&quot;%1&quot; (adres %2 in het vak): een adres heeft een naam, &quot;@&quot; en een domein nodig, bijvoorbeeld anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; (adres %2 in het vak): een adres bevat geen &quot;&lt;&quot;, &quot;&gt;&quot; of stuurteken.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the port is a whole number from 1 to 65535, such as 25, 465 or 587.</source>
        <translation>&quot;%1&quot;: de poort is een geheel getal van 1 tot 65535, zoals 25, 465 of 587.</translation>
    </message>
    <message>
        <source>&quot;SMTP Server&quot; is empty: enter the server that sends the camera&apos;s mail, as the mail provider names it, for example smtp.example.org.</source>
        <translation>&quot;SMTP-server&quot; is leeg: vul de server in die de mail van de camera verstuurt, zoals de maildienst hem noemt, bijvoorbeeld smtp.example.org.</translation>
    </message>
    <message>
        <source>&quot;SMTP Port&quot; is empty: enter the port the mail provider gives, usually 25, 465 or 587.</source>
        <translation>&quot;SMTP-poort&quot; is leeg: vul de poort in die de maildienst opgeeft, meestal 25, 465 of 587.</translation>
    </message>
    <message>
        <source>&quot;Secure Type&quot; is not chosen: pick the one the mail provider gives for this port (often SSL/TLS for 465, STARTTLS for 587).</source>
        <translation>&quot;Beveiliging&quot; is niet gekozen: kies wat de maildienst voor deze poort opgeeft (vaak SSL/TLS voor 465, STARTTLS voor 587).</translation>
    </message>
    <message>
        <source>&quot;Email&quot; is empty: enter the address the camera sends from, for example camera@example.org.</source>
        <translation>&quot;Mail&quot; is leeg: vul het adres in waarvandaan de camera verstuurt, bijvoorbeeld camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;Account&quot; is empty: enter the name the mail server knows the account by, often the address itself.</source>
        <translation>&quot;Account&quot; is leeg: vul de naam in waaronder de mailserver het account kent, vaak het adres zelf.</translation>
    </message>
    <message>
        <source>&quot;Password&quot; is empty: enter the account&apos;s password.</source>
        <translation>&quot;Code&quot; is leeg: vul het wachtwoord van het account in.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th number in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; is het 5e nummer in het vak; de camera bewaart er vier. Verwijder er een.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th address in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; is het 5e adres in het vak; de camera bewaart er vier. Verwijder er een.</translation>
    </message>
    <message>
        <source>With &quot;SMS Switch&quot; on, the camera needs a phone number for its text messages, for example +4917012345678.</source>
        <translation>Met &quot;SMS&quot; aan heeft de camera een telefoonnummer nodig voor zijn sms&apos;jes, bijvoorbeeld +31612345678.</translation>
    </message>
    <message>
        <source>With Send To &quot;Phone&quot; or &quot;Both&quot;, the camera needs at least one phone number, for example +4917012345678.</source>
        <translation>Met Verzenden naar &quot;Tel.&quot; of &quot;Beide&quot; heeft de camera minstens één telefoonnummer nodig, bijvoorbeeld +31612345678.</translation>
    </message>
    <message>
        <source>With Send To &quot;Email&quot; or &quot;Both&quot;, the camera needs at least one address, for example anna@example.org.</source>
        <translation>Met Verzenden naar &quot;Mail&quot; of &quot;Beide&quot; heeft de camera minstens één adres nodig, bijvoorbeeld anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;Path&quot; is empty: pick the SD card&apos;s folder with &quot;...&quot; or type it, for example /media/anna/CAMERA.</source>
        <translation>&quot;Pad&quot; is leeg: kies de map van de SD-kaart met &quot;...&quot; of typ hem in, bijvoorbeeld /media/anna/CAMERA.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from needs an &quot;@&quot;, as in camera@example.org.</source>
        <translation>&quot;%1&quot;: het adres waarvandaan de camera verstuurt, heeft een &quot;@&quot; nodig, zoals in camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot;: het adres waarvandaan de camera verstuurt, bevat geen &quot;&lt;&quot;, &quot;&gt;&quot; of stuurteken.</translation>
    </message>
    <message>
        <source>The card did not keep %1: reading it back gave other bytes than were written. The card may be failing or counterfeit. Nothing was saved.</source>
        <translation>De kaart heeft %1 niet bewaard: bij het teruglezen kwamen er andere bytes dan er geschreven waren. De kaart is mogelijk defect of vervalst. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Uitwerpen</translation>
    </message>
    <message>
        <source>%1 can be removed now.</source>
        <translation>%1 kan nu worden verwijderd.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected yet: a program is still using it.</source>
        <translation>%1 kan nog niet worden uitgeworpen: een programma gebruikt het nog.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the system does not allow you to.</source>
        <translation>%1 kan niet worden uitgeworpen: het systeem staat het u niet toe.</translation>
    </message>
    <message>
        <source>%1 has been unmounted or removed already.</source>
        <translation>%1 is al ontkoppeld of verwijderd.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the disk service UDisks2 is not running.</source>
        <translation>%1 kan niet worden uitgeworpen: de schijfdienst UDisks2 draait niet.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: %2.</source>
        <translation>%1 kan niet worden uitgeworpen: %2.</translation>
    </message>
</context>
</TS>
