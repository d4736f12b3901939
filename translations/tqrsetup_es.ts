<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6m/20ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12m/40ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DailyReport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM900</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM1800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM1900</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM900_1800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM850_1900</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM850_900_1800_1900</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSL/TLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant number is out of the range(0-99)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About TQR Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TQR Setup icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TQR Setup Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 TQR Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo/Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Via</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(a-z, A-Z, 0-9 only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(35-120KB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cmd Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator Param</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About TQR Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
