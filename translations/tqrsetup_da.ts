<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1: larger than %2 bytes, not </source>
        <translation>%1: større end %2 byte, altså ikke </translation>
    </message>
    <message>
        <source>%1: is not a regular file (a FIFO, a device or a socket), not </source>
        <translation>%1: er ikke en almindelig fil (en FIFO, en enhed eller en socket), altså ikke </translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1 kan ikke læses (%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: filen findes ikke</translation>
    </message>
    <message>
        <source>%1: is a folder, not </source>
        <translation>%1: er en mappe, ikke </translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 blev ikke fundet.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 indeholder en ugyldig sti.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 kunne ikke åbnes, fordi der er for mange åbne filer.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Adgang til %1 blev nægtet.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 var knyttet til et ugyldigt filhåndtag.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 kunne ikke fjernes, fordi det er den aktuelle mappe.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 kunne ikke oprettes, fordi mappen er fuld.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionering i %1 mislykkedes</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Der blev meldt en hardwarefejl under adgang til %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Der opstod en delingsfejl under adgang til %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Der opstod en låsefejl under adgang til %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Lagermediet er fuldt (under adgang til %1).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Der blev forsøgt at læse eller skrive ud over slutningen af %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Der opstod en ukendt fejl under adgang til %1.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>en unavngiven fil</translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>en indstillingsfil</translation>
    </message>
    <message>
        <source>a PROFILE.BIN</source>
        <translation>en PROFILE.BIN</translation>
    </message>
    <message>
        <source>%1: wrong size, %2 bytes (a PROFILE.BIN has 860)</source>
        <translation>%1: forkert størrelse, %2 byte (en PROFILE.BIN har 860)</translation>
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
        <translation>Fra</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Til</translation>
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
        <translation>1 billede</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 billeder</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 billeder</translation>
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
        <translation>Høj</translation>
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
        <translation>Mail</translation>
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
        <translation>Antallet for »Straks« skal være mellem 0 og 99!</translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation>Tidspunktet for dagsrapporten er ugyldigt!</translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation>Telefonnummeret er ugyldigt!</translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation>Telefonnummeret er for langt!</translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation>E-mailadressen er for lang!</translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation>E-mailadressen er skrevet forkert!</translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation>Indtast et telefonnummer!</translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation>Indtast en e-mailadresse!</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>Det nye navn må kun indeholde bogstaver og tal!</translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation>Den maksimale størrelse skal være mellem 35 og 120!</translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation>Der er plads til højst 4 telefonnumre!</translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation>Der er plads til højst 4 e-mailadresser!</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>E-mailadressen er ugyldig!</translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation>Porten skal være mellem 1 og 65535!</translation>
    </message>
    <message>
        <source>The operator has no MMS URL, so the camera cannot send pictures by MMS.</source>
        <translation>Teleselskabet har ingen MMS-URL, så kameraet kan ikke sende billeder via MMS.</translation>
    </message>
    <message>
        <source>The operator has no GPRS APN, so the camera cannot send pictures by GPRS.</source>
        <translation>Teleselskabet har ingen GPRS-APN, så kameraet kan ikke sende billeder via GPRS.</translation>
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
        <translation>Foto/video</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Tilstand</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Opløsning</translation>
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
        <translation>Videolængde</translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation>Bevægelse/timer</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Følsomhed</translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation>Tidsrum</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Starttime</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Startminut</translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation>Stoptime</translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation>Stopminut</translation>
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
        <translation>System</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Tidsstempel</translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation>Blitzafstand</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kode</translation>
    </message>
    <message>
        <source>Password number</source>
        <translation>Adgangskodens cifre</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Email Set</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation>Udbyder</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Vis adgangskode</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Sikkerhed</translation>
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
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation>Afsendelse</translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation>Dagsrapportens time</translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation>Dagsrapportens minut</translation>
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
        <translation>Modtagere</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Teleselskab</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Selskab</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation>Nyt filnavn</translation>
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
        <translation>Kommandolog</translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation>Qmm-fejlsøgning</translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation>Test af e-mail</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Indstillingssider</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Sti:</translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation>Vælg SD-kortets mappe</translation>
    </message>
    <message>
        <source>Look Up Operator</source>
        <translation>Find teleselskab</translation>
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
        <translation>Teleselskabets data</translation>
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
        <translation>Find...</translation>
    </message>
    <message>
        <source>&amp;About TQR Setup...</source>
        <translation>&amp;Om TQR Setup...</translation>
    </message>
    <message>
        <source>%1, first number</source>
        <translation>%1, første tal</translation>
    </message>
    <message>
        <source>%1, second number</source>
        <translation>%1, andet tal</translation>
    </message>
    <message>
        <source>%1, third number</source>
        <translation>%1, tredje tal</translation>
    </message>
    <message>
        <source>%1, fourth number</source>
        <translation>%1, fjerde tal</translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation>Handlingen kunne ikke gennemføres på grund af en uventet fejl. Dine indtastninger er der stadig; prøv igen.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Indtast et helt tal.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Indtast et positivt helt tal.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Indtast et helt tal mellem %1 og %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Indtast højst %1 tegn.</translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation>Vælg mappe</translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation>Flytbare medier</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mapper</translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation>E-mailkontoen kan ikke testes: vælg først sikkerhed.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>Indtast serveren!</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>Indtast porten!</translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation>Vælg sikkerhed!</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>Indtast konto og e-mailadresse!</translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation>Kontrollér e-mailindstillingerne!</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Standardindstillingerne bliver gendannet.<byte value="xd"/>
Er du sikker?</translation>
    </message>
    <message>
        <source>The box holds a line break (shown as an arrow or as a new line). Put all entries on one line, separated by &quot;;&quot;.</source>
        <translation>Feltet indeholder et linjeskift (vist som en pil eller en ny linje). Skriv alle poster på én linje, adskilt med »;«.</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullerer...</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Logger ind på %1...</translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation>E-mailkontoen virker ikke: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation>E-mailkontoen virker: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation>E-mailkontoen virker: %1.<byte value="xd"/>
<byte value="xd"/>
Send en test-e-mail til %2?</translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation>Sender test-e-mailen til %1...</translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation>Test-e-mailen blev ikke sendt: %1.</translation>
    </message>
    <message>
        <source>%1 (unusable: control character)</source>
        <translation>%1 (ubrugelig: kontroltegn)</translation>
    </message>
    <message>
        <source>(none in the database)</source>
        <translation>(ingen i databasen)</translation>
    </message>
    <message>
        <source>Fill in the parameters of an operator from the mobile broadband provider database.</source>
        <translation>Udfyld et teleselskabs data fra databasen over mobiludbydere.</translation>
    </message>
    <message>
        <source>The operator look-up needs the package %1 (%2 is missing).</source>
        <translation>Søgning efter teleselskaber kræver pakken %1 (%2 mangler).</translation>
    </message>
    <message>
        <source>The card&apos;s settings cannot be opened: %1</source>
        <translation>Kortets indstillinger kan ikke åbnes: %1</translation>
    </message>
    <message>
        <source>%1 holds a value this tool cannot have written (%2: %3)</source>
        <translation>%1 indeholder en værdi, som dette program ikke kan have skrevet (%2: %3)</translation>
    </message>
    <message>
        <source>The card uses different parameters for %1. Use the card&apos;s?</source>
        <translation>Kortet bruger andre data for %1. Brug kortets?</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 were not taken; the stored ones are used.</source>
        <translation>Kortets data for %1 blev ikke overtaget; de gemte bruges.</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 (%2) were replaced by the table&apos;s.</source>
        <translation>Kortets data for %1 (%2) blev erstattet af tabellens.</translation>
    </message>
    <message>
        <source>The card&apos;s hidden band, command log and debug settings are written as this tool&apos;s on OK.</source>
        <translation>Kortets skjulte indstillinger for bånd, kommandolog og fejlsøgning overskrives med dette programs ved OK.</translation>
    </message>
    <message>
        <source>&quot;--lang&quot; needs a language, such as de</source>
        <translation>&quot;--lang&quot; kræver et sprog, f.eks. da</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value</source>
        <translation>&quot;%1&quot; kræver en værdi</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>ukendt tilvalg &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>uventet argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; the dialog speaks English</source>
        <translation>der findes ingen oversættelse til &quot;%1&quot;; dialogen vises på engelsk</translation>
    </message>
    <message>
        <source>Open settings from card...</source>
        <translation>Åbn indstillinger fra kortet...</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation>Vælg mappen</translation>
    </message>
    <message>
        <source>PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?</source>
        <translation>PROFILE.BIN i %1 indeholder andre indstillinger end dem, der vises. Åbn dem?</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Vælg SD-kortets mappe.</translation>
    </message>
    <message>
        <source>There is no PROFILE.BIN in %1.</source>
        <translation>Der er ingen PROFILE.BIN i %1.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN er gemt i %1</translation>
    </message>
    <message>
        <source>; the password travelled unencrypted</source>
        <translation>; adgangskoden blev sendt ukrypteret</translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation>der er ikke angivet nogen SMTP-server</translation>
    </message>
    <message>
        <source>the SMTP server name holds a control character</source>
        <translation>SMTP-servernavnet indeholder et kontroltegn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>»%1« er ikke et servernavn</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>porten »%1« er ikke et tal fra 1 til 65535</translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation>der er ikke angivet nogen konto</translation>
    </message>
    <message>
        <source>the account holds a control character</source>
        <translation>kontoen indeholder et kontroltegn</translation>
    </message>
    <message>
        <source>the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent</source>
        <translation>sikkerheden er hverken Ingen, SSL/TLS eller STARTTLS, så adgangskoden blev ikke sendt</translation>
    </message>
    <message>
        <source>the sender address holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>afsenderadressen indeholder et kontroltegn, »&lt;« eller »&gt;«</translation>
    </message>
    <message>
        <source>the sender address holds no &quot;@&quot;</source>
        <translation>afsenderadressen indeholder intet »@«</translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation>der er ingen modtager af test-e-mailen</translation>
    </message>
    <message>
        <source>recipient %1 holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>modtager %1 indeholder et kontroltegn, »&lt;« eller »&gt;«</translation>
    </message>
    <message>
        <source>recipient %1 is too long</source>
        <translation>modtager %1 er for lang</translation>
    </message>
    <message>
        <source>recipient %1 holds no &quot;@&quot; after its first character</source>
        <translation>modtager %1 har intet »@« efter første tegn</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>testen blev annulleret</translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation>servernavnet %1 kan ikke findes</translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation>intet svarer på %1 (forbindelsen blev afvist)</translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation>intet svar fra %1 inden for %2</translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation>serveren %1 tilbyder ikke STARTTLS, så adgangskoden blev ikke sendt</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>certifikatet fra %1 er ikke godkendt</translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation>der kunne ikke oprettes en sikker forbindelse til %1 (er sikkerheden rigtig?)</translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation>serveren afviste login%1</translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation>serveren afviste test-e-mailen%1</translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation>serveren %1 gav et uventet svar%2</translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation>forbindelsen til %1 blev afbrudt%2</translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation>systemets betroede certifikater kan ikke læses</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>CA-filen %1 kan ikke læses</translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation>testen mislykkedes: %1%2</translation>
    </message>
    <message>
        <source>a CA certificate file</source>
        <translation>en CA-certifikatfil</translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation>e-mailtesten kræver libcurl (libcurl.so.4), som ikke kunne indlæses</translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation>testen kunne ikke startes</translation>
    </message>
    <message>
        <source>this libcurl is too old to use the CA file %1 (7.77 or later is needed)</source>
        <translation>denne libcurl er for gammel til CA-filen %1 (7.77 eller nyere kræves)</translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation>serveren %1 tilbød ingen login uden kryptering; kontoen blev ikke testet</translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation>serveren %1 tilbød ingen login med %2; kontoen blev ikke testet</translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation>test-e-mailen fra %1 til %2 er sendt</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation>serveren %1 godkendte login for %2 (uden kryptering)</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation>serveren %1 godkendte login for %2 (%3)</translation>
    </message>
    <message>
        <source>: the database&apos;s value has a control character; the field is left empty.</source>
        <translation>: databasens værdi indeholder et kontroltegn; feltet forbliver tomt.</translation>
    </message>
    <message>
        <source>: the database&apos;s value &quot;%1&quot; has characters the camera cannot store; the field is left empty.</source>
        <translation>: databasens værdi »%1« indeholder tegn, som kameraet ikke kan gemme; feltet forbliver tomt.</translation>
    </message>
    <message>
        <source>: the database&apos;s value is longer than %1 characters; the field is left empty.</source>
        <translation>: databasens værdi er længere end %1 tegn; feltet forbliver tomt.</translation>
    </message>
    <message>
        <source>The database gives no MMS proxy; gateway and port are left empty.</source>
        <translation>Databasen angiver ingen MMS-proxy; gateway og port forbliver tomme.</translation>
    </message>
    <message>
        <source>The MMS proxy has a control character; gateway and port are left empty.</source>
        <translation>MMS-proxyen indeholder et kontroltegn; gateway og port forbliver tomme.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; is a host name, which the gateway address cannot hold; gateway and port are left empty.</source>
        <translation>MMS-proxyen »%1« er et værtsnavn, som gateway-adressen ikke kan rumme; gateway og port forbliver tomme.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; gives no port; gateway and port are left empty.</source>
        <translation>MMS-proxyen »%1« angiver ingen port; gateway og port forbliver tomme.</translation>
    </message>
    <message>
        <source>The port of the MMS proxy &quot;%1&quot; is not between 1 and %2; gateway and port are left empty.</source>
        <translation>Porten på MMS-proxyen »%1« er ikke mellem 1 og %2; gateway og port forbliver tomme.</translation>
    </message>
    <message>
        <source>The chosen MMS access point has a control character in its APN, account or password; the MMS fields are left empty.</source>
        <translation>Det valgte MMS-adgangspunkt har et kontroltegn i APN, konto eller adgangskode; MMS-felterne forbliver tomme.</translation>
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
        <translation>MMS-adgangskode</translation>
    </message>
    <message>
        <source>%1 has no MMS data in the database; the MMS fields are left empty.</source>
        <translation>Databasen har ingen MMS-data for %1; MMS-felterne forbliver tomme.</translation>
    </message>
    <message>
        <source>The chosen data access point has a control character in its APN, account or password; the GPRS fields are left empty.</source>
        <translation>Det valgte dataadgangspunkt har et kontroltegn i APN, konto eller adgangskode; GPRS-felterne forbliver tomme.</translation>
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
        <translation>GPRS-adgangskode</translation>
    </message>
    <message>
        <source>%1 has no data APN in the database; the GPRS fields are left empty.</source>
        <translation>Databasen har ingen data-APN for %1; GPRS-felterne forbliver tomme.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (it declares another encoding); it is not read.</source>
        <translation>Udbyderdatabasen er ikke UTF-8-tekst (den angiver en anden kodning); den læses ikke.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (byte %1); it is not read.</source>
        <translation>Udbyderdatabasen er ikke UTF-8-tekst (byte %1); den læses ikke.</translation>
    </message>
    <message>
        <source>The provider database is nested deeper than %1 levels.</source>
        <translation>Udbyderdatabasen er indlejret dybere end %1 niveauer.</translation>
    </message>
    <message>
        <source>The provider database holds a text longer than %1 bytes; it is not read.</source>
        <translation>Udbyderdatabasen indeholder en tekst på mere end %1 byte; den læses ikke.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 countries, more than the real one could; it is not read.</source>
        <translation>Udbyderdatabasen har mere end %1 lande, flere end den rigtige kan have; den læses ikke.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 operators in a country, more than the real one could; it is not read.</source>
        <translation>Udbyderdatabasen har mere end %1 teleselskaber i et land, flere end den rigtige kan have; den læses ikke.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points of an operator, more than the real one could; it is not read.</source>
        <translation>Udbyderdatabasen har mere end %1 adgangspunkter for et teleselskab, flere end den rigtige kan have; den læses ikke.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points, more than the real one could; it is not read.</source>
        <translation>Udbyderdatabasen har mere end %1 adgangspunkter, flere end den rigtige kan have; den læses ikke.</translation>
    </message>
    <message>
        <source>The provider database is larger than %1 MB.</source>
        <translation>Udbyderdatabasen er større end %1 MB.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 tags, more than the real one could; it is not read.</source>
        <translation>Udbyderdatabasen har mere end %1 tags, flere end den rigtige kan have; den læses ikke.</translation>
    </message>
    <message>
        <source>The provider database declares entities; it is not read.</source>
        <translation>Udbyderdatabasen erklærer entiteter; den læses ikke.</translation>
    </message>
    <message>
        <source>The provider database is not valid XML: %1 at byte %2.</source>
        <translation>Udbyderdatabasen er ikke gyldig XML: %1 ved byte %2.</translation>
    </message>
    <message>
        <source>The file is not a provider database (no &lt;serviceproviders&gt;).</source>
        <translation>Filen er ikke en udbyderdatabase (ingen &lt;serviceproviders&gt;).</translation>
    </message>
    <message>
        <source>The provider database %1 cannot be opened. Install the package %2 or name the file.</source>
        <translation>Udbyderdatabasen %1 kan ikke åbnes. Installér pakken %2, eller angiv filen.</translation>
    </message>
    <message>
        <source>a provider database</source>
        <translation>en udbyderdatabase</translation>
    </message>
    <message>
        <source>The provider database cannot be read: </source>
        <translation>Udbyderdatabasen kan ikke læses: </translation>
    </message>
    <message>
        <source>Leave out the space.</source>
        <translation>Fjern mellemrummet.</translation>
    </message>
    <message>
        <source>It holds a no-break space, which looks like a space: delete it.</source>
        <translation>Det indeholder et hårdt mellemrum, som ligner et mellemrum: slet det.</translation>
    </message>
    <message>
        <source>It holds a character that cannot be seen (shown as &quot;%1&quot;): delete it.</source>
        <translation>Det indeholder et usynligt tegn (vist som &quot;%1&quot;): slet det.</translation>
    </message>
    <message>
        <source>Leave out &quot;%1&quot;.</source>
        <translation>Fjern &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; the box is empty.</source>
        <translation>&quot;%1&quot; skal være et helt tal fra %2 til %3; feltet er tomt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; &quot;%4&quot; is not one.</source>
        <translation>&quot;%1&quot; skal være et helt tal fra %2 til %3; &quot;%4&quot; er ikke et helt tal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; the box is empty.</source>
        <translation>&quot;%1&quot; skal være et helt tal skrevet med cifre; feltet er tomt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; &quot;%2&quot; is not one.</source>
        <translation>&quot;%1&quot; skal være et helt tal skrevet med cifre; &quot;%2&quot; er ikke et helt tal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3, not %4.</source>
        <translation>&quot;%1&quot; skal være et helt tal fra %2 til %3, ikke %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; it has %3.</source>
        <translation>&quot;%1&quot; kan højst have %2 tegn; det har %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>&quot;%1&quot; kan højst have %2 tegn; &quot;%3&quot; har %4.</translation>
    </message>
    <message>
        <source>&quot;Max Num&quot; takes a whole number from 0 to 99, not %1.</source>
        <translation>&quot;Antal&quot; skal være et helt tal fra 0 til 99, ikke %1.</translation>
    </message>
    <message>
        <source>%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 to 59.</source>
        <translation>%1:%2 er ikke et klokkeslæt: timen er 0 til 23 og minuttet 0 til 59.</translation>
    </message>
    <message>
        <source>&quot;Max Size&quot; takes a whole number of KB from 35 to 120, not %1.</source>
        <translation>&quot;Maks.&quot; skal være et helt antal KB fra 35 til 120, ikke %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a new name takes only the letters a-z and A-Z and the digits 0-9.</source>
        <translation>&quot;%1&quot;: et nyt navn må kun have bogstaverne a-z og A-Z og cifrene 0-9.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box): a phone number holds digits only, with one &quot;+&quot; at the start.</source>
        <translation>&quot;%1&quot; (nummer %2 i feltet): et telefonnummer består kun af cifre, med ét &quot;+&quot; forrest.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box) has %3 characters; a phone number has at most 23.</source>
        <translation>&quot;%1&quot; (nummer %2 i feltet) har %3 tegn; et telefonnummer har højst 23.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box) has %3 characters; an address has at most 47.</source>
        <translation>&quot;%1&quot; (adresse %2 i feltet) har %3 tegn; en adresse har højst 47.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address needs a name, &quot;@&quot; and a domain, for example anna@example.org.</source>
        <translation>&quot;%1&quot; (adresse %2 i feltet): en adresse skal have et navn, &quot;@&quot; og et domæne, for eksempel anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; (adresse %2 i feltet): en adresse må hverken indeholde &quot;&lt;&quot;, &quot;&gt;&quot; eller et kontroltegn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the port is a whole number from 1 to 65535, such as 25, 465 or 587.</source>
        <translation>&quot;%1&quot;: porten er et helt tal fra 1 til 65535, f.eks. 25, 465 eller 587.</translation>
    </message>
    <message>
        <source>&quot;SMTP Server&quot; is empty: enter the server that sends the camera&apos;s mail, as the mail provider names it, for example smtp.example.org.</source>
        <translation>&quot;SMTP-server&quot; er tom: indtast den server, der sender kameraets e-mails, som e-mailudbyderen angiver den, for eksempel smtp.example.org.</translation>
    </message>
    <message>
        <source>&quot;SMTP Port&quot; is empty: enter the port the mail provider gives, usually 25, 465 or 587.</source>
        <translation>&quot;SMTP-port&quot; er tom: indtast den port, e-mailudbyderen angiver, som regel 25, 465 eller 587.</translation>
    </message>
    <message>
        <source>&quot;Secure Type&quot; is not chosen: pick the one the mail provider gives for this port (often SSL/TLS for 465, STARTTLS for 587).</source>
        <translation>&quot;Sikkerhed&quot; er ikke valgt: vælg den, e-mailudbyderen angiver for denne port (ofte SSL/TLS for 465, STARTTLS for 587).</translation>
    </message>
    <message>
        <source>&quot;Email&quot; is empty: enter the address the camera sends from, for example camera@example.org.</source>
        <translation>&quot;Mail&quot; er tom: indtast den adresse, kameraet sender fra, for eksempel camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;Account&quot; is empty: enter the name the mail server knows the account by, often the address itself.</source>
        <translation>&quot;Konto&quot; er tom: indtast det navn, mailserveren kender kontoen under, ofte selve adressen.</translation>
    </message>
    <message>
        <source>&quot;Password&quot; is empty: enter the account&apos;s password.</source>
        <translation>&quot;Kode&quot; er tom: indtast kontoens adgangskode.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th number in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; er det 5. nummer i feltet; kameraet gemmer fire. Fjern et.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th address in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; er den 5. adresse i feltet; kameraet gemmer fire. Fjern en.</translation>
    </message>
    <message>
        <source>With &quot;SMS Switch&quot; on, the camera needs a phone number for its text messages, for example +4917012345678.</source>
        <translation>Med &quot;SMS&quot; slået til skal kameraet have et telefonnummer til sine sms&apos;er, for eksempel +4520123456.</translation>
    </message>
    <message>
        <source>With Send To &quot;Phone&quot; or &quot;Both&quot;, the camera needs at least one phone number, for example +4917012345678.</source>
        <translation>Med Send til &quot;Tlf.&quot; eller &quot;Alle&quot; skal kameraet have mindst ét telefonnummer, for eksempel +4520123456.</translation>
    </message>
    <message>
        <source>With Send To &quot;Email&quot; or &quot;Both&quot;, the camera needs at least one address, for example anna@example.org.</source>
        <translation>Med Send til &quot;Mail&quot; eller &quot;Alle&quot; skal kameraet have mindst én adresse, for eksempel anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;Path&quot; is empty: pick the SD card&apos;s folder with &quot;...&quot; or type it, for example /media/anna/CAMERA.</source>
        <translation>&quot;Sti&quot; er tom: vælg SD-kortets mappe med &quot;...&quot; eller skriv den, for eksempel /media/anna/CAMERA.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from needs an &quot;@&quot;, as in camera@example.org.</source>
        <translation>&quot;%1&quot;: den adresse, kameraet sender fra, skal have et &quot;@&quot; som i camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot;: den adresse, kameraet sender fra, må hverken indeholde &quot;&lt;&quot;, &quot;&gt;&quot; eller et kontroltegn.</translation>
    </message>
    <message>
        <source>The card did not keep %1: reading it back gave other bytes than were written. The card may be failing or counterfeit. Nothing was saved.</source>
        <translation>Kortet beholdt ikke %1: da filen blev læst igen, var indholdet et andet end det skrevne. Kortet er måske ved at gå i stykker eller forfalsket. Intet blev gemt.</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Skub ud</translation>
    </message>
    <message>
        <source>%1 can be removed now.</source>
        <translation>%1 kan fjernes nu.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected yet: a program is still using it.</source>
        <translation>%1 kan ikke skubbes ud endnu: et program bruger det stadig.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the system does not allow you to.</source>
        <translation>%1 kan ikke skubbes ud: systemet tillader det ikke.</translation>
    </message>
    <message>
        <source>%1 has been unmounted or removed already.</source>
        <translation>%1 er allerede afmonteret eller fjernet.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the disk service UDisks2 is not running.</source>
        <translation>%1 kan ikke skubbes ud: disktjenesten UDisks2 kører ikke.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: %2.</source>
        <translation>%1 kan ikke skubbes ud: %2.</translation>
    </message>
</context>
</TS>
