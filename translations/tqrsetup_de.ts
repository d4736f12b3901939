<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien offen sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 war mit einem ungültigen Datei-Handle verbunden.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 konnte nicht entfernt werden, weil es der aktuelle Ordner ist.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 konnte nicht angelegt werden, weil der Ordner voll ist.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionieren in %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Hardwarefehler gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 trat eine Freigabeverletzung auf.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 trat eine Sperrverletzung auf.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Der Datenträger ist voll (beim Zugriff auf %1).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zu lesen oder zu schreiben.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>eine unbenannte Datei</translation>
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
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
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
        <translation>1 Foto</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 Fotos</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 Fotos</translation>
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
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
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
        <translation>Sofort</translation>
    </message>
    <message>
        <source>DailyReport</source>
        <translation>Tagesbericht</translation>
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
        <translation>Keine</translation>
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
        <translation>Die Anzahl für „Sofort“ muss zwischen 0 und 99 liegen!</translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation>Die Uhrzeit des Tagesberichts ist ungültig!</translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation>Die Telefonnummer ist ungültig!</translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation>Die Telefonnummer ist zu lang!</translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation>Die E-Mail-Adresse ist zu lang!</translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation>Die E-Mail-Adresse ist nicht richtig geschrieben!</translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation>Bitte geben Sie eine Telefonnummer ein!</translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation>Bitte geben Sie eine E-Mail-Adresse ein!</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>Zum Umbenennen sind nur Buchstaben und Ziffern erlaubt!</translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation>Die Höchstgröße muss zwischen 35 und 120 liegen!</translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation>Es passen höchstens 4 Telefonnummern!</translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation>Es passen höchstens 4 E-Mail-Adressen!</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>Die E-Mail-Adresse ist ungültig!</translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation>Der Port muss zwischen 1 und 65535 liegen!</translation>
    </message>
    <message>
        <source>About TQR Setup</source>
        <translation>Über TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup icon</source>
        <translation>Symbol von TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup Version 1.0</source>
        <translation>TQR Setup Version 1.0</translation>
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
        <translation>Foto/Video</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Fotogröße</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Serienbild</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videogröße</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation>Bewegung/Zeit</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindl.</translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation>Start-Stopp</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Startstunde</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Startminute</translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation>Stoppstunde</translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation>Stoppminute</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation>Blitzweite</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password number</source>
        <translation>Passwortziffern</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Email Set</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Passwort zeigen</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-Server</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>SMTP-Port</translation>
    </message>
    <message>
        <source>Test...</source>
        <translation>Testen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation>Sendemodus</translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation>Stunde des Tagesberichts</translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation>Minute des Tagesberichts</translation>
    </message>
    <message>
        <source>Send Via</source>
        <translation>Senden per</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Senden an</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Mobilfunkanbieter</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation>Neuer Dateiname</translation>
    </message>
    <message>
        <source>(a-z, A-Z, 0-9 only)</source>
        <translation>(nur a-z, A-Z, 0-9)</translation>
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
        <translation>Befehlslog</translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation>Qmm-Debug</translation>
    </message>
    <message>
        <source>Data APN</source>
        <translation>Daten-APN</translation>
    </message>
    <message>
        <source>Look Up Operator</source>
        <translation>Betreiber nachschlagen</translation>
    </message>
    <message>
        <source>Look up...</source>
        <translation>Nachschlagen...</translation>
    </message>
    <message>
        <source>MMS APN</source>
        <translation>MMS-APN</translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation>E-Mail-Test</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation>Ordner der SD-Karte wählen</translation>
    </message>
    <message>
        <source>Operator Param</source>
        <translation>Anbieterdaten</translation>
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
        <source>&amp;About TQR Setup...</source>
        <translation>&amp;Über TQR Setup...</translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation>Die Aktion konnte wegen eines unerwarteten Fehlers nicht ausgeführt werden. Ihre Eingaben sind noch da; bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation>Das E-Mail-Konto kann nicht getestet werden: Wählen Sie zuerst die Sicherheit.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>Bitte geben Sie den Server ein!</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>Bitte geben Sie den Port ein!</translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation>Bitte wählen Sie die Sicherheit!</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>Bitte geben Sie Konto und E-Mail-Adresse ein!</translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation>Bitte prüfen Sie die E-Mail-Einstellungen!</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Die Standardeinstellungen werden wiederhergestellt.<byte value="xd"/>
Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Anmeldung bei %1...</translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation>Das E-Mail-Konto funktioniert nicht: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation>Das E-Mail-Konto funktioniert: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation>Das E-Mail-Konto funktioniert: %1.<byte value="xd"/>
<byte value="xd"/>
Eine Test-E-Mail an %2 senden?</translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation>Die Test-E-Mail geht an %1...</translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation>Die Test-E-Mail wurde nicht gesendet: %1.</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation>Bitte wählen Sie den Ordner</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Bitte wählen Sie den Ordner der SD-Karte.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN wurde in %1 gespeichert</translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation>Wechseldatenträger</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation>es ist kein SMTP-Server eingetragen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>„%1“ ist kein Servername</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>der Port „%1“ ist keine Zahl von 1 bis 65535</translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation>es ist kein Konto eingetragen</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>der Test wurde abgebrochen</translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation>der Servername %1 ist unbekannt</translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation>unter %1 antwortet niemand (die Verbindung wurde abgelehnt)</translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation>keine Antwort von %1 innerhalb von %2</translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation>der Server %1 bietet kein STARTTLS an, daher wurde das Passwort nicht gesendet</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut</translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation>keine sichere Verbindung zu %1 möglich (stimmt die Sicherheit?)</translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation>der Server hat die Anmeldung abgelehnt%1</translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation>der Server hat die Test-E-Mail abgelehnt%1</translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation>der Server %1 gab eine unerwartete Antwort%2</translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation>die Verbindung zu %1 ist abgebrochen%2</translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation>die vertrauenswürdigen Zertifikate des Systems sind nicht lesbar</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>die CA-Datei %1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation>der Test ist fehlgeschlagen: %1%2</translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation>es gibt keinen Empfänger für die Test-E-Mail</translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation>der E-Mail-Test braucht libcurl (libcurl.so.4), das nicht geladen werden konnte</translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation>der Test konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation>der Server %1 bietet ohne Verschlüsselung keine Anmeldung an; das Konto wurde nicht getestet</translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation>der Server %1 bietet mit %2 keine Anmeldung an; das Konto wurde nicht getestet</translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation>die Test-E-Mail von %1 an %2 wurde gesendet</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation>der Server %1 hat die Anmeldung von %2 angenommen (ohne Verschlüsselung)</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation>der Server %1 hat die Anmeldung von %2 angenommen (%3)</translation>
    </message>
    <message>
        <source>%1, first number</source>
        <translation>%1, erste Zahl</translation>
    </message>
    <message>
        <source>%1, second number</source>
        <translation>%1, zweite Zahl</translation>
    </message>
    <message>
        <source>%1, third number</source>
        <translation>%1, dritte Zahl</translation>
    </message>
    <message>
        <source>%1, fourth number</source>
        <translation>%1, vierte Zahl</translation>
    </message>
    <message>
        <source>; the password travelled unencrypted</source>
        <translation>; das Passwort wurde unverschlüsselt übertragen</translation>
    </message>
    <message>
        <source>the SMTP server name holds a control character</source>
        <translation>der Name des SMTP-Servers enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the account holds a control character</source>
        <translation>das Konto enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent</source>
        <translation>die Sicherheit ist weder Keine noch SSL/TLS noch STARTTLS, daher wurde das Passwort nicht gesendet</translation>
    </message>
    <message>
        <source>the sender address holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>die Absenderadresse enthält ein Steuerzeichen, „&lt;“ oder „&gt;“</translation>
    </message>
    <message>
        <source>The card&apos;s settings cannot be opened: %1</source>
        <translation>Die Einstellungen der Karte lassen sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>%1 holds a value this tool cannot have written (%2: %3)</source>
        <translation>%1 enthält einen Wert, den dieses Programm nicht geschrieben haben kann (%2: %3)</translation>
    </message>
    <message>
        <source>The card uses different parameters for %1. Use the card&apos;s?</source>
        <translation>Die Karte hat andere Daten für %1. Die Daten der Karte übernehmen?</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 were not taken; the stored ones are used.</source>
        <translation>Die Daten der Karte für %1 wurden nicht übernommen; die gespeicherten gelten.</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 (%2) were replaced by the table&apos;s.</source>
        <translation>Die Daten der Karte für %1 (%2) wurden durch die der Tabelle ersetzt.</translation>
    </message>
    <message>
        <source>The card&apos;s hidden band, command log and debug settings are written as this tool&apos;s on OK.</source>
        <translation>Die verborgenen Einstellungen der Karte für Frequenzband, Befehlsprotokoll und Fehlersuche werden bei OK durch die dieses Programms ersetzt.</translation>
    </message>
    <message>
        <source>Open settings from card...</source>
        <translation>Einstellungen von der Karte öffnen...</translation>
    </message>
    <message>
        <source>PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?</source>
        <translation>PROFILE.BIN in %1 enthält andere Einstellungen als der Dialog. Öffnen?</translation>
    </message>
    <message>
        <source>There is no PROFILE.BIN in %1.</source>
        <translation>In %1 gibt es keine PROFILE.BIN.</translation>
    </message>
    <message>
        <source>&quot;--lang&quot; needs a language, such as de</source>
        <translation>&quot;--lang&quot; braucht eine Sprache, etwa de</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value</source>
        <translation>&quot;%1&quot; braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; the dialog speaks English</source>
        <translation>für &quot;%1&quot; gibt es keine Übersetzung; der Dialog spricht Englisch</translation>
    </message>
    <message>
        <source>the sender address holds no &quot;@&quot;</source>
        <translation>die Absenderadresse enthält kein „@“</translation>
    </message>
    <message>
        <source>recipient %1 holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>Empfänger %1 enthält ein Steuerzeichen, „&lt;“ oder „&gt;“</translation>
    </message>
    <message>
        <source>recipient %1 is too long</source>
        <translation>Empfänger %1 ist zu lang</translation>
    </message>
    <message>
        <source>recipient %1 holds no &quot;@&quot; after its first character</source>
        <translation>Empfänger %1 enthält kein „@“ nach dem ersten Zeichen</translation>
    </message>
    <message>
        <source>this libcurl is too old to use the CA file %1 (7.77 or later is needed)</source>
        <translation>diese libcurl ist zu alt für die CA-Datei %1 (7.77 oder neuer wird gebraucht)</translation>
    </message>
    <message>
        <source>%1 (unusable: control character)</source>
        <translation>%1 (unbrauchbar: Steuerzeichen)</translation>
    </message>
    <message>
        <source>(none in the database)</source>
        <translation>(keiner in der Datenbank)</translation>
    </message>
    <message>
        <source>Fill in the parameters of an operator from the mobile broadband provider database.</source>
        <translation>Die Parameter eines Betreibers aus der Datenbank der Mobilfunkanbieter übernehmen.</translation>
    </message>
    <message>
        <source>The operator look-up needs the package %1 (%2 is missing).</source>
        <translation>Zum Nachschlagen von Betreibern wird das Paket %1 benötigt (%2 fehlt).</translation>
    </message>
    <message>
        <source>: the database&apos;s value has a control character; the field is left empty.</source>
        <translation>: Der Wert aus der Datenbank enthält ein Steuerzeichen; das Feld bleibt leer.</translation>
    </message>
    <message>
        <source>: the database&apos;s value &quot;%1&quot; has characters the camera cannot store; the field is left empty.</source>
        <translation>: Der Wert „%1“ aus der Datenbank enthält Zeichen, die die Kamera nicht speichern kann; das Feld bleibt leer.</translation>
    </message>
    <message>
        <source>: the database&apos;s value is longer than %1 characters; the field is left empty.</source>
        <translation>: Der Wert aus der Datenbank ist länger als %1 Zeichen; das Feld bleibt leer.</translation>
    </message>
    <message>
        <source>The database gives no MMS proxy; gateway and port are left empty.</source>
        <translation>Die Datenbank nennt keinen MMS-Proxy; Gateway und Port bleiben leer.</translation>
    </message>
    <message>
        <source>The MMS proxy has a control character; gateway and port are left empty.</source>
        <translation>Der MMS-Proxy enthält ein Steuerzeichen; Gateway und Port bleiben leer.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; is a host name, which the gateway address cannot hold; gateway and port are left empty.</source>
        <translation>Der MMS-Proxy „%1“ ist ein Hostname, der sich nicht als Gateway-Adresse eintragen lässt; Gateway und Port bleiben leer.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; gives no port; gateway and port are left empty.</source>
        <translation>Der MMS-Proxy „%1“ nennt keinen Port; Gateway und Port bleiben leer.</translation>
    </message>
    <message>
        <source>The port of the MMS proxy &quot;%1&quot; is not between 1 and %2; gateway and port are left empty.</source>
        <translation>Der Port des MMS-Proxys „%1“ liegt nicht zwischen 1 und %2; Gateway und Port bleiben leer.</translation>
    </message>
    <message>
        <source>The chosen MMS access point has a control character in its APN, account or password; the MMS fields are left empty.</source>
        <translation>Der gewählte MMS-Zugangspunkt enthält ein Steuerzeichen im APN, Konto oder Passwort; die MMS-Felder bleiben leer.</translation>
    </message>
    <message>
        <source>MMS URL</source>
        <translation>MMS-URL</translation>
    </message>
    <message>
        <source>MMS account</source>
        <translation>MMS-Konto</translation>
    </message>
    <message>
        <source>MMS password</source>
        <translation>MMS-Passwort</translation>
    </message>
    <message>
        <source>%1 has no MMS data in the database; the MMS fields are left empty.</source>
        <translation>Für %1 hat die Datenbank keine MMS-Daten; die MMS-Felder bleiben leer.</translation>
    </message>
    <message>
        <source>The chosen data access point has a control character in its APN, account or password; the GPRS fields are left empty.</source>
        <translation>Der gewählte Daten-Zugangspunkt enthält ein Steuerzeichen im APN, Konto oder Passwort; die GPRS-Felder bleiben leer.</translation>
    </message>
    <message>
        <source>GPRS APN</source>
        <translation>GPRS-APN</translation>
    </message>
    <message>
        <source>GPRS account</source>
        <translation>GPRS-Konto</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>GPRS-Passwort</translation>
    </message>
    <message>
        <source>%1 has no data APN in the database; the GPRS fields are left empty.</source>
        <translation>Für %1 hat die Datenbank keinen Daten-APN; die GPRS-Felder bleiben leer.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (it declares another encoding); it is not read.</source>
        <translation>Die Anbieterdatenbank ist kein UTF-8-Text (sie gibt eine andere Kodierung an); sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (byte %1); it is not read.</source>
        <translation>Die Anbieterdatenbank ist kein UTF-8-Text (Byte %1); sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The provider database is nested deeper than %1 levels.</source>
        <translation>Die Anbieterdatenbank ist tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>The provider database holds a text longer than %1 bytes; it is not read.</source>
        <translation>Die Anbieterdatenbank enthält einen Text, der länger als %1 Byte ist; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 countries, more than the real one could; it is not read.</source>
        <translation>Die Anbieterdatenbank führt mehr als %1 Länder auf, mehr als die echte haben kann; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 operators in a country, more than the real one could; it is not read.</source>
        <translation>Die Anbieterdatenbank führt mehr als %1 Betreiber in einem Land auf, mehr als die echte haben kann; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points of an operator, more than the real one could; it is not read.</source>
        <translation>Die Anbieterdatenbank führt mehr als %1 Zugangspunkte eines Betreibers auf, mehr als die echte haben kann; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points, more than the real one could; it is not read.</source>
        <translation>Die Anbieterdatenbank führt mehr als %1 Zugangspunkte auf, mehr als die echte haben kann; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The provider database is larger than %1 MB.</source>
        <translation>Die Anbieterdatenbank ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 tags, more than the real one could; it is not read.</source>
        <translation>Die Anbieterdatenbank enthält mehr als %1 Tags, mehr als die echte haben kann; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The provider database declares entities; it is not read.</source>
        <translation>Die Anbieterdatenbank deklariert Entitäten; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The provider database is not valid XML: %1 at byte %2.</source>
        <translation>Die Anbieterdatenbank ist kein gültiges XML: %1 bei Byte %2.</translation>
    </message>
    <message>
        <source>The file is not a provider database (no &lt;serviceproviders&gt;).</source>
        <translation>Die Datei ist keine Anbieterdatenbank (kein &lt;serviceproviders&gt;).</translation>
    </message>
    <message>
        <source>The provider database %1 cannot be opened. Install the package %2 or name the file.</source>
        <translation>Die Anbieterdatenbank %1 lässt sich nicht öffnen. Installieren Sie das Paket %2 oder geben Sie die Datei an.</translation>
    </message>
    <message>
        <source>The operator has no MMS URL, so the camera cannot send pictures by MMS.</source>
        <translation>Der Betreiber hat keine MMS-URL, die Kamera kann also keine Bilder per MMS senden.</translation>
    </message>
    <message>
        <source>The operator has no GPRS APN, so the camera cannot send pictures by GPRS.</source>
        <translation>Der Betreiber hat keinen GPRS-APN, die Kamera kann also keine Bilder per GPRS senden.</translation>
    </message>
    <message>
        <source>The box holds a line break (shown as an arrow or as a new line). Put all entries on one line, separated by &quot;;&quot;.</source>
        <translation>Das Feld enthält einen Zeilenumbruch (als Pfeil oder neue Zeile zu sehen). Schreiben Sie alle Einträge in eine Zeile, getrennt durch „;“.</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes, not </source>
        <translation>%1: größer als %2 Bytes, also keine </translation>
    </message>
    <message>
        <source>%1: is not a regular file (a FIFO, a device or a socket), not </source>
        <translation>%1: keine gewöhnliche Datei (eine FIFO, ein Gerät oder ein Socket), also keine </translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: is a folder, not </source>
        <translation>%1: ein Ordner, also keine </translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>a PROFILE.BIN</source>
        <translation>PROFILE.BIN</translation>
    </message>
    <message>
        <source>%1: wrong size, %2 bytes (a PROFILE.BIN has 860)</source>
        <translation>%1: falsche Größe, %2 Bytes (eine PROFILE.BIN hat 860)</translation>
    </message>
    <message>
        <source>a CA certificate file</source>
        <translation>CA-Zertifikatsdatei</translation>
    </message>
    <message>
        <source>a provider database</source>
        <translation>Anbieterdatenbank</translation>
    </message>
    <message>
        <source>The provider database cannot be read: </source>
        <translation>Die Anbieterdatenbank kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Auswerfen</translation>
    </message>
    <message>
        <source>%1 can be removed now.</source>
        <translation>%1 kann jetzt entfernt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected yet: a program is still using it.</source>
        <translation>%1 kann noch nicht ausgeworfen werden: Ein Programm greift noch darauf zu.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the system does not allow you to.</source>
        <translation>%1 kann nicht ausgeworfen werden: Das System erlaubt es Ihnen nicht.</translation>
    </message>
    <message>
        <source>%1 has been unmounted or removed already.</source>
        <translation>%1 wurde bereits ausgehängt oder entfernt.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the disk service UDisks2 is not running.</source>
        <translation>%1 kann nicht ausgeworfen werden: Der Datenträgerdienst UDisks2 läuft nicht.</translation>
    </message>
    <message>
        <source>Leave out the space.</source>
        <translation>Lassen Sie das Leerzeichen weg.</translation>
    </message>
    <message>
        <source>It holds a no-break space, which looks like a space: delete it.</source>
        <translation>Es enthält ein geschütztes Leerzeichen, das wie ein Leerzeichen aussieht: löschen Sie es.</translation>
    </message>
    <message>
        <source>It holds a character that cannot be seen (shown as &quot;%1&quot;): delete it.</source>
        <translation>Es enthält ein unsichtbares Zeichen (angezeigt als &quot;%1&quot;): löschen Sie es.</translation>
    </message>
    <message>
        <source>Leave out &quot;%1&quot;.</source>
        <translation>Lassen Sie &quot;%1&quot; weg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; the box is empty.</source>
        <translation>&quot;%1&quot; braucht eine ganze Zahl von %2 bis %3; das Feld ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; &quot;%4&quot; is not one.</source>
        <translation>&quot;%1&quot; braucht eine ganze Zahl von %2 bis %3; &quot;%4&quot; ist keine.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; the box is empty.</source>
        <translation>&quot;%1&quot; braucht eine ganze Zahl aus Ziffern; das Feld ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; &quot;%2&quot; is not one.</source>
        <translation>&quot;%1&quot; braucht eine ganze Zahl aus Ziffern; &quot;%2&quot; ist keine.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3, not %4.</source>
        <translation>&quot;%1&quot; braucht eine ganze Zahl von %2 bis %3, nicht %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; it has %3.</source>
        <translation>&quot;%1&quot; fasst höchstens %2 Zeichen; eingegeben sind %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>&quot;%1&quot; fasst höchstens %2 Zeichen; &quot;%3&quot; hat %4.</translation>
    </message>
    <message>
        <source>&quot;Max Num&quot; takes a whole number from 0 to 99, not %1.</source>
        <translation>&quot;Anzahl&quot; nimmt eine ganze Zahl von 0 bis 99, nicht %1.</translation>
    </message>
    <message>
        <source>%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 to 59.</source>
        <translation>%1:%2 ist keine Uhrzeit: die Stunde ist 0 bis 23, die Minute 0 bis 59.</translation>
    </message>
    <message>
        <source>&quot;Max Size&quot; takes a whole number of KB from 35 to 120, not %1.</source>
        <translation>&quot;Max.&quot; nimmt eine ganze Zahl KB von 35 bis 120, nicht %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a new name takes only the letters a-z and A-Z and the digits 0-9.</source>
        <translation>&quot;%1&quot;: ein neuer Name besteht nur aus den Buchstaben a-z und A-Z und den Ziffern 0-9.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box): a phone number holds digits only, with one &quot;+&quot; at the start.</source>
        <translation>&quot;%1&quot; (Nummer %2 im Feld): eine Telefonnummer besteht nur aus Ziffern, mit einem &quot;+&quot; am Anfang.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box) has %3 characters; a phone number has at most 23.</source>
        <translation>&quot;%1&quot; (Nummer %2 im Feld) hat %3 Zeichen; eine Telefonnummer hat höchstens 23.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box) has %3 characters; an address has at most 47.</source>
        <translation>&quot;%1&quot; (Adresse %2 im Feld) hat %3 Zeichen; eine Adresse hat höchstens 47.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address needs a name, &quot;@&quot; and a domain, for example anna@example.org.</source>
        <translation>&quot;%1&quot; (Adresse %2 im Feld): eine Adresse braucht einen Namen, &quot;@&quot; und eine Domain, zum Beispiel anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; (Adresse %2 im Feld): eine Adresse enthält weder &quot;&lt;&quot; noch &quot;&gt;&quot; noch ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the port is a whole number from 1 to 65535, such as 25, 465 or 587.</source>
        <translation>&quot;%1&quot;: der Port ist eine ganze Zahl von 1 bis 65535, etwa 25, 465 oder 587.</translation>
    </message>
    <message>
        <source>&quot;SMTP Server&quot; is empty: enter the server that sends the camera&apos;s mail, as the mail provider names it, for example smtp.example.org.</source>
        <translation>&quot;SMTP-Server&quot; ist leer: geben Sie den Server ein, der die Mails der Kamera versendet, wie ihn der Mail-Anbieter nennt, zum Beispiel smtp.example.org.</translation>
    </message>
    <message>
        <source>&quot;SMTP Port&quot; is empty: enter the port the mail provider gives, usually 25, 465 or 587.</source>
        <translation>&quot;SMTP-Port&quot; ist leer: geben Sie den Port Ihres Mail-Anbieters ein, meist 25, 465 oder 587.</translation>
    </message>
    <message>
        <source>&quot;Secure Type&quot; is not chosen: pick the one the mail provider gives for this port (often SSL/TLS for 465, STARTTLS for 587).</source>
        <translation>&quot;Sicherheit&quot; ist nicht gewählt: wählen Sie, was der Mail-Anbieter für diesen Port angibt (oft SSL/TLS für 465, STARTTLS für 587).</translation>
    </message>
    <message>
        <source>&quot;Email&quot; is empty: enter the address the camera sends from, for example camera@example.org.</source>
        <translation>&quot;Mail&quot; ist leer: geben Sie die Absenderadresse der Kamera ein, zum Beispiel camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;Account&quot; is empty: enter the name the mail server knows the account by, often the address itself.</source>
        <translation>&quot;Konto&quot; ist leer: geben Sie den Kontonamen beim Mail-Server ein, oft die Adresse selbst.</translation>
    </message>
    <message>
        <source>&quot;Password&quot; is empty: enter the account&apos;s password.</source>
        <translation>&quot;Passwort&quot; ist leer: geben Sie das Passwort des Kontos ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th number in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; ist die 5. Nummer im Feld; die Kamera speichert vier. Entfernen Sie eine.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th address in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; ist die 5. Adresse im Feld; die Kamera speichert vier. Entfernen Sie eine.</translation>
    </message>
    <message>
        <source>With &quot;SMS Switch&quot; on, the camera needs a phone number for its text messages, for example +4917012345678.</source>
        <translation>Mit &quot;SMS&quot; an braucht die Kamera eine Telefonnummer für ihre SMS, zum Beispiel +4917012345678.</translation>
    </message>
    <message>
        <source>With Send To &quot;Phone&quot; or &quot;Both&quot;, the camera needs at least one phone number, for example +4917012345678.</source>
        <translation>Mit Senden an &quot;Tel.&quot; oder &quot;Beide&quot; braucht die Kamera mindestens eine Telefonnummer, zum Beispiel +4917012345678.</translation>
    </message>
    <message>
        <source>With Send To &quot;Email&quot; or &quot;Both&quot;, the camera needs at least one address, for example anna@example.org.</source>
        <translation>Mit Senden an &quot;Mail&quot; oder &quot;Beide&quot; braucht die Kamera mindestens eine Adresse, zum Beispiel anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;Path&quot; is empty: pick the SD card&apos;s folder with &quot;...&quot; or type it, for example /media/anna/CAMERA.</source>
        <translation>&quot;Pfad&quot; ist leer: wählen Sie den Ordner der SD-Karte mit &quot;...&quot; oder tippen Sie ihn ein, zum Beispiel /media/anna/CAMERA.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: %2.</source>
        <translation>%1 kann nicht ausgeworfen werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from needs an &quot;@&quot;, as in camera@example.org.</source>
        <translation>&quot;%1&quot;: die Absenderadresse der Kamera braucht ein &quot;@&quot;, wie in camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot;: die Absenderadresse der Kamera enthält weder &quot;&lt;&quot; noch &quot;&gt;&quot; noch ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>The card did not keep %1: reading it back gave other bytes than were written. The card may be failing or counterfeit. Nothing was saved.</source>
        <translation>Die Karte hat %1 nicht behalten: Beim Zurücklesen kamen andere Bytes, als geschrieben wurden. Die Karte ist vielleicht defekt oder gefälscht. Es wurde nichts gespeichert.</translation>
    </message>
</context>
</TS>
