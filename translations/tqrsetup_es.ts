<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TQRSetup</name>
    <message>
        <source>%1 was not found.</source>
        <translation>No se ha encontrado %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contiene una ruta no válida.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>No se ha podido abrir %1 porque hay demasiados archivos abiertos.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Se ha denegado el acceso a %1.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 estaba asociado a un descriptor de archivo no válido.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>No se ha podido eliminar %1 porque es la carpeta actual.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>No se ha podido crear %1 porque la carpeta está llena.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>No se ha podido posicionar en %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Se ha producido un error de hardware al acceder a %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Se ha producido una infracción de uso compartido al acceder a %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Se ha producido una infracción de bloqueo al acceder a %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>El soporte está lleno (al acceder a %1).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Se ha intentado acceder a %1 más allá de su final.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Se ha producido un error desconocido al acceder a %1.</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>un archivo sin nombre</translation>
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
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
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
        <translation>2 fotos</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 fotos</translation>
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
        <translation>Baja</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
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
        <translation>Inmediato</translation>
    </message>
    <message>
        <source>DailyReport</source>
        <translation>Diario</translation>
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
        <translation>Teléf.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Los 2</translation>
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
        <translation>Ninguna</translation>
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
        <translation>¡El número de envíos inmediatos debe estar entre 0 y 99!</translation>
    </message>
    <message>
        <source>Daily report time is error!</source>
        <translation>¡La hora del informe diario no es válida!</translation>
    </message>
    <message>
        <source>Phone number is invalid!</source>
        <translation>¡El número de teléfono no es válido!</translation>
    </message>
    <message>
        <source>The phone is out of the max length!</source>
        <translation>¡El número de teléfono es demasiado largo!</translation>
    </message>
    <message>
        <source>The email is out of the max length!</source>
        <translation>¡La dirección de correo es demasiado larga!</translation>
    </message>
    <message>
        <source>The email&apos;s Format is error!</source>
        <translation>¡La dirección de correo está mal escrita!</translation>
    </message>
    <message>
        <source>The phone must not be null!</source>
        <translation>¡Escriba un número de teléfono!</translation>
    </message>
    <message>
        <source>The email must not be null!</source>
        <translation>¡Escriba una dirección de correo!</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>¡Para renombrar solo se permiten letras y cifras!</translation>
    </message>
    <message>
        <source>Max Size is out of the range(35-120)!</source>
        <translation>¡El tamaño máximo debe estar entre 35 y 120!</translation>
    </message>
    <message>
        <source>At most 4 phone numbers can be stored!</source>
        <translation>¡Caben 4 números de teléfono como máximo!</translation>
    </message>
    <message>
        <source>At most 4 email addresses can be stored!</source>
        <translation>¡Caben 4 direcciones de correo como máximo!</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>¡La dirección de correo no es válida!</translation>
    </message>
    <message>
        <source>Port is out of the range(1-65535)!</source>
        <translation>¡El puerto debe estar entre 1 y 65535!</translation>
    </message>
    <message>
        <source>About TQR Setup</source>
        <translation>Acerca de TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup icon</source>
        <translation>Icono de TQR Setup</translation>
    </message>
    <message>
        <source>TQR Setup Version 1.0</source>
        <translation>TQR Setup versión 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 TQR Setup</source>
        <translation>Copyright (C) 2026 TQR Setup</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Photo/Video</source>
        <translation>Foto/Vídeo</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Ráfaga</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>PIR/Timer</source>
        <translation>Sensor/Horario</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>Start-Stop</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minuto de inicio</translation>
    </message>
    <message>
        <source>Stop hour</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Stop minute</source>
        <translation>Minuto de fin</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Time Stamp</source>
        <translation>Fecha/hora</translation>
    </message>
    <message>
        <source>Flash Range</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Password number</source>
        <translation>Número de la contraseña</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predet.</translation>
    </message>
    <message>
        <source>Email Set</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar contraseña</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>Puerto SMTP</translation>
    </message>
    <message>
        <source>Test...</source>
        <translation>Probar...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send Mode</source>
        <translation>Modo de envío</translation>
    </message>
    <message>
        <source>Max Num</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Daily report hour</source>
        <translation>Hora del informe diario</translation>
    </message>
    <message>
        <source>Daily report minute</source>
        <translation>Minuto del informe diario</translation>
    </message>
    <message>
        <source>Send Via</source>
        <translation>Enviar por</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Enviar a</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinatarios</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Operador móvil</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Propio</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Rename text</source>
        <translation>Nuevo nombre de archivo</translation>
    </message>
    <message>
        <source>(a-z, A-Z, 0-9 only)</source>
        <translation>(solo a-z, A-Z, 0-9)</translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation>Tamaño</translation>
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
        <translation>Banda</translation>
    </message>
    <message>
        <source>Cmd Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Qmm Dbg</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>Data APN</source>
        <translation>APN de datos</translation>
    </message>
    <message>
        <source>Look Up Operator</source>
        <translation>Buscar operador</translation>
    </message>
    <message>
        <source>Look up...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>MMS APN</source>
        <translation>APN MMS</translation>
    </message>
    <message>
        <source>Email Test</source>
        <translation>Prueba de correo</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de ajustes</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>Browse for the SD card folder</source>
        <translation>Elegir la carpeta de la tarjeta SD</translation>
    </message>
    <message>
        <source>Operator Param</source>
        <translation>Datos del operador</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Pasarela</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Pto.</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>&amp;About TQR Setup...</source>
        <translation>&amp;Acerca de TQR Setup...</translation>
    </message>
    <message>
        <source>The action could not be completed because of an unexpected error. Your entries are still there; please try again.</source>
        <translation>No se ha podido completar la acción por un error inesperado. Sus datos siguen ahí; vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Escriba un número entero.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Escriba un número entero positivo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Escriba un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Escriba %1 caracteres como máximo.</translation>
    </message>
    <message>
        <source>The mail account cannot be tried: choose its Secure Type first.</source>
        <translation>No se puede probar la cuenta de correo: elija primero su seguridad.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>¡Escriba el servidor!</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>¡Escriba el puerto!</translation>
    </message>
    <message>
        <source>Secure Type must not be null!</source>
        <translation>¡Elija la seguridad!</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>¡Escriba la cuenta y la dirección de correo!</translation>
    </message>
    <message>
        <source>Please Check and Set the Email!</source>
        <translation>¡Revise los ajustes de correo!</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Se restablecerán los ajustes predeterminados.<byte value="xd"/>
¿Está seguro?</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Logging in to %1...</source>
        <translation>Iniciando sesión en %1...</translation>
    </message>
    <message>
        <source>The mail account does not work: %1.</source>
        <translation>La cuenta de correo no funciona: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.</source>
        <translation>La cuenta de correo funciona: %1.</translation>
    </message>
    <message>
        <source>The mail account works: %1.<byte value="xd"/>
<byte value="xd"/>
Send a test e-mail to %2?</source>
        <translation>La cuenta de correo funciona: %1.<byte value="xd"/>
<byte value="xd"/>
¿Enviar un correo de prueba a %2?</translation>
    </message>
    <message>
        <source>Sending the test e-mail to %1...</source>
        <translation>Enviando el correo de prueba a %1...</translation>
    </message>
    <message>
        <source>The test e-mail was not sent: %1.</source>
        <translation>El correo de prueba no se ha enviado: %1.</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Please Select the Path</source>
        <translation>Elija la carpeta</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Elija la carpeta de la tarjeta SD.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN se ha guardado en %1</translation>
    </message>
    <message>
        <source>Folder Browser</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Removable volumes</source>
        <translation>Unidades extraíbles</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>no SMTP server is set</source>
        <translation>no hay ningún servidor SMTP</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name</source>
        <translation>«%1» no es un nombre de servidor</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>el puerto «%1» no es un número de 1 a 65535</translation>
    </message>
    <message>
        <source>no account is set</source>
        <translation>no hay ninguna cuenta</translation>
    </message>
    <message>
        <source>the check was cancelled</source>
        <translation>la prueba se ha cancelado</translation>
    </message>
    <message>
        <source>the server name %1 cannot be found</source>
        <translation>no se encuentra el servidor %1</translation>
    </message>
    <message>
        <source>nothing answers at %1 (the connection was refused)</source>
        <translation>nadie responde en %1 (se ha rechazado la conexión)</translation>
    </message>
    <message>
        <source>no answer from %1 within %2</source>
        <translation>sin respuesta de %1 en %2</translation>
    </message>
    <message>
        <source>the server %1 does not offer STARTTLS, so the password was not sent</source>
        <translation>el servidor %1 no ofrece STARTTLS, así que la contraseña no se ha enviado</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>el certificado de %1 no es de confianza</translation>
    </message>
    <message>
        <source>no secure connection to %1 could be set up (is the secure type right?)</source>
        <translation>no se ha podido establecer una conexión segura con %1 (¿es correcta la seguridad?)</translation>
    </message>
    <message>
        <source>the server refused the login%1</source>
        <translation>el servidor ha rechazado el inicio de sesión%1</translation>
    </message>
    <message>
        <source>the server refused the test e-mail%1</source>
        <translation>el servidor ha rechazado el correo de prueba%1</translation>
    </message>
    <message>
        <source>the server %1 gave an unexpected answer%2</source>
        <translation>el servidor %1 ha dado una respuesta inesperada%2</translation>
    </message>
    <message>
        <source>the connection to %1 broke off%2</source>
        <translation>la conexión con %1 se ha cortado%2</translation>
    </message>
    <message>
        <source>the system&apos;s trusted certificates cannot be read</source>
        <translation>no se pueden leer los certificados de confianza del sistema</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>no se puede leer el archivo de CA %1</translation>
    </message>
    <message>
        <source>the check failed: %1%2</source>
        <translation>la prueba ha fallado: %1%2</translation>
    </message>
    <message>
        <source>there is no recipient for the test e-mail</source>
        <translation>el correo de prueba no tiene destinatario</translation>
    </message>
    <message>
        <source>the mail check needs libcurl (libcurl.so.4), which could not be loaded</source>
        <translation>la prueba de correo necesita libcurl (libcurl.so.4), que no se ha podido cargar</translation>
    </message>
    <message>
        <source>the check could not be started</source>
        <translation>no se ha podido iniciar la prueba</translation>
    </message>
    <message>
        <source>the server %1 offered no login with no encryption; the account was not tried</source>
        <translation>el servidor %1 no ofrece inicio de sesión sin cifrado; no se ha probado la cuenta</translation>
    </message>
    <message>
        <source>the server %1 offered no login with %2; the account was not tried</source>
        <translation>el servidor %1 no ofrece inicio de sesión con %2; no se ha probado la cuenta</translation>
    </message>
    <message>
        <source>the test e-mail from %1 to %2 was sent</source>
        <translation>el correo de prueba de %1 a %2 se ha enviado</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (no encryption)</source>
        <translation>el servidor %1 ha aceptado el inicio de sesión de %2 (sin cifrado)</translation>
    </message>
    <message>
        <source>the server %1 accepted the login of %2 (%3)</source>
        <translation>el servidor %1 ha aceptado el inicio de sesión de %2 (%3)</translation>
    </message>
    <message>
        <source>%1, first number</source>
        <translation>%1, primer número</translation>
    </message>
    <message>
        <source>%1, second number</source>
        <translation>%1, segundo número</translation>
    </message>
    <message>
        <source>%1, third number</source>
        <translation>%1, tercer número</translation>
    </message>
    <message>
        <source>%1, fourth number</source>
        <translation>%1, cuarto número</translation>
    </message>
    <message>
        <source>; the password travelled unencrypted</source>
        <translation>; la contraseña viajó sin cifrar</translation>
    </message>
    <message>
        <source>the SMTP server name holds a control character</source>
        <translation>el nombre del servidor SMTP contiene un carácter de control</translation>
    </message>
    <message>
        <source>the account holds a control character</source>
        <translation>la cuenta contiene un carácter de control</translation>
    </message>
    <message>
        <source>the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent</source>
        <translation>la seguridad no es Ninguna, SSL/TLS ni STARTTLS, así que la contraseña no se ha enviado</translation>
    </message>
    <message>
        <source>the sender address holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>la dirección del remitente contiene un carácter de control, «&lt;» o «&gt;»</translation>
    </message>
    <message>
        <source>The card&apos;s settings cannot be opened: %1</source>
        <translation>No se pueden abrir los ajustes de la tarjeta: %1</translation>
    </message>
    <message>
        <source>%1 holds a value this tool cannot have written (%2: %3)</source>
        <translation>%1 contiene un valor que esta herramienta no puede haber escrito (%2: %3)</translation>
    </message>
    <message>
        <source>The card uses different parameters for %1. Use the card&apos;s?</source>
        <translation>La tarjeta tiene otros datos para %1. ¿Usar los de la tarjeta?</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 were not taken; the stored ones are used.</source>
        <translation>No se han tomado los datos de la tarjeta para %1; se usan los guardados.</translation>
    </message>
    <message>
        <source>The card&apos;s parameters for %1 (%2) were replaced by the table&apos;s.</source>
        <translation>Los datos de la tarjeta para %1 (%2) se han sustituido por los de la tabla.</translation>
    </message>
    <message>
        <source>The card&apos;s hidden band, command log and debug settings are written as this tool&apos;s on OK.</source>
        <translation>Los ajustes ocultos de la tarjeta (banda, registro de órdenes, depuración) se escribirán con los de esta herramienta al pulsar Aceptar.</translation>
    </message>
    <message>
        <source>Open settings from card...</source>
        <translation>Abrir ajustes de la tarjeta...</translation>
    </message>
    <message>
        <source>PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?</source>
        <translation>PROFILE.BIN en %1 tiene otros ajustes que los mostrados. ¿Abrirlos?</translation>
    </message>
    <message>
        <source>There is no PROFILE.BIN in %1.</source>
        <translation>No hay ningún PROFILE.BIN en %1.</translation>
    </message>
    <message>
        <source>&quot;--lang&quot; needs a language, such as de</source>
        <translation>&quot;--lang&quot; necesita un idioma, por ejemplo es</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a value</source>
        <translation>&quot;%1&quot; necesita un valor</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opción desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; the dialog speaks English</source>
        <translation>no hay traducción para &quot;%1&quot;; el diálogo se muestra en inglés</translation>
    </message>
    <message>
        <source>the sender address holds no &quot;@&quot;</source>
        <translation>la dirección del remitente no contiene «@»</translation>
    </message>
    <message>
        <source>recipient %1 holds a control character, &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>el destinatario %1 contiene un carácter de control, «&lt;» o «&gt;»</translation>
    </message>
    <message>
        <source>recipient %1 is too long</source>
        <translation>el destinatario %1 es demasiado largo</translation>
    </message>
    <message>
        <source>recipient %1 holds no &quot;@&quot; after its first character</source>
        <translation>el destinatario %1 no contiene «@» después de su primer carácter</translation>
    </message>
    <message>
        <source>this libcurl is too old to use the CA file %1 (7.77 or later is needed)</source>
        <translation>esta libcurl es demasiado antigua para el archivo CA %1 (se necesita la 7.77 o posterior)</translation>
    </message>
    <message>
        <source>%1 (unusable: control character)</source>
        <translation>%1 (inutilizable: carácter de control)</translation>
    </message>
    <message>
        <source>(none in the database)</source>
        <translation>(ninguno en la base de datos)</translation>
    </message>
    <message>
        <source>Fill in the parameters of an operator from the mobile broadband provider database.</source>
        <translation>Rellenar los parámetros de un operador a partir de la base de datos de operadores móviles.</translation>
    </message>
    <message>
        <source>The operator look-up needs the package %1 (%2 is missing).</source>
        <translation>La búsqueda de operadores necesita el paquete %1 (falta %2).</translation>
    </message>
    <message>
        <source>: the database&apos;s value has a control character; the field is left empty.</source>
        <translation>: el valor de la base de datos contiene un carácter de control; el campo se deja vacío.</translation>
    </message>
    <message>
        <source>: the database&apos;s value &quot;%1&quot; has characters the camera cannot store; the field is left empty.</source>
        <translation>: el valor «%1» de la base de datos tiene caracteres que la cámara no puede guardar; el campo se deja vacío.</translation>
    </message>
    <message>
        <source>: the database&apos;s value is longer than %1 characters; the field is left empty.</source>
        <translation>: el valor de la base de datos tiene más de %1 caracteres; el campo se deja vacío.</translation>
    </message>
    <message>
        <source>The database gives no MMS proxy; gateway and port are left empty.</source>
        <translation>La base de datos no indica ningún proxy MMS; la pasarela y el puerto se dejan vacíos.</translation>
    </message>
    <message>
        <source>The MMS proxy has a control character; gateway and port are left empty.</source>
        <translation>El proxy MMS contiene un carácter de control; la pasarela y el puerto se dejan vacíos.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; is a host name, which the gateway address cannot hold; gateway and port are left empty.</source>
        <translation>El proxy MMS «%1» es un nombre de host, que no cabe en la dirección de la pasarela; la pasarela y el puerto se dejan vacíos.</translation>
    </message>
    <message>
        <source>The MMS proxy &quot;%1&quot; gives no port; gateway and port are left empty.</source>
        <translation>El proxy MMS «%1» no indica ningún puerto; la pasarela y el puerto se dejan vacíos.</translation>
    </message>
    <message>
        <source>The port of the MMS proxy &quot;%1&quot; is not between 1 and %2; gateway and port are left empty.</source>
        <translation>El puerto del proxy MMS «%1» no está entre 1 y %2; la pasarela y el puerto se dejan vacíos.</translation>
    </message>
    <message>
        <source>The chosen MMS access point has a control character in its APN, account or password; the MMS fields are left empty.</source>
        <translation>El punto de acceso MMS elegido contiene un carácter de control en su APN, cuenta o contraseña; los campos MMS se dejan vacíos.</translation>
    </message>
    <message>
        <source>MMS URL</source>
        <translation>URL MMS</translation>
    </message>
    <message>
        <source>MMS account</source>
        <translation>Cuenta MMS</translation>
    </message>
    <message>
        <source>MMS password</source>
        <translation>Contraseña MMS</translation>
    </message>
    <message>
        <source>%1 has no MMS data in the database; the MMS fields are left empty.</source>
        <translation>La base de datos no tiene datos MMS de %1; los campos MMS se dejan vacíos.</translation>
    </message>
    <message>
        <source>The chosen data access point has a control character in its APN, account or password; the GPRS fields are left empty.</source>
        <translation>El punto de acceso de datos elegido contiene un carácter de control en su APN, cuenta o contraseña; los campos GPRS se dejan vacíos.</translation>
    </message>
    <message>
        <source>GPRS APN</source>
        <translation>APN GPRS</translation>
    </message>
    <message>
        <source>GPRS account</source>
        <translation>Cuenta GPRS</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Contraseña GPRS</translation>
    </message>
    <message>
        <source>%1 has no data APN in the database; the GPRS fields are left empty.</source>
        <translation>La base de datos no tiene ningún APN de datos de %1; los campos GPRS se dejan vacíos.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (it declares another encoding); it is not read.</source>
        <translation>La base de datos de operadores no es texto UTF-8 (declara otra codificación); no se lee.</translation>
    </message>
    <message>
        <source>The provider database is not UTF-8 text (byte %1); it is not read.</source>
        <translation>La base de datos de operadores no es texto UTF-8 (byte %1); no se lee.</translation>
    </message>
    <message>
        <source>The provider database is nested deeper than %1 levels.</source>
        <translation>La base de datos de operadores está anidada en más de %1 niveles.</translation>
    </message>
    <message>
        <source>The provider database holds a text longer than %1 bytes; it is not read.</source>
        <translation>La base de datos de operadores contiene un texto de más de %1 bytes; no se lee.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 countries, more than the real one could; it is not read.</source>
        <translation>La base de datos de operadores tiene más de %1 países, más de los que podría tener la verdadera; no se lee.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 operators in a country, more than the real one could; it is not read.</source>
        <translation>La base de datos de operadores tiene más de %1 operadores en un país, más de los que podría tener la verdadera; no se lee.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points of an operator, more than the real one could; it is not read.</source>
        <translation>La base de datos de operadores tiene más de %1 puntos de acceso de un operador, más de los que podría tener la verdadera; no se lee.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 access points, more than the real one could; it is not read.</source>
        <translation>La base de datos de operadores tiene más de %1 puntos de acceso, más de los que podría tener la verdadera; no se lee.</translation>
    </message>
    <message>
        <source>The provider database is larger than %1 MB.</source>
        <translation>La base de datos de operadores ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>The provider database lists more than %1 tags, more than the real one could; it is not read.</source>
        <translation>La base de datos de operadores tiene más de %1 etiquetas, más de las que podría tener la verdadera; no se lee.</translation>
    </message>
    <message>
        <source>The provider database declares entities; it is not read.</source>
        <translation>La base de datos de operadores declara entidades; no se lee.</translation>
    </message>
    <message>
        <source>The provider database is not valid XML: %1 at byte %2.</source>
        <translation>La base de datos de operadores no es XML válido: %1 en el byte %2.</translation>
    </message>
    <message>
        <source>The file is not a provider database (no &lt;serviceproviders&gt;).</source>
        <translation>El archivo no es una base de datos de operadores (no tiene &lt;serviceproviders&gt;).</translation>
    </message>
    <message>
        <source>The provider database %1 cannot be opened. Install the package %2 or name the file.</source>
        <translation>No se puede abrir la base de datos de operadores %1. Instale el paquete %2 o indique el archivo.</translation>
    </message>
    <message>
        <source>The operator has no MMS URL, so the camera cannot send pictures by MMS.</source>
        <translation>El operador no tiene URL de MMS, así que la cámara no puede enviar fotos por MMS.</translation>
    </message>
    <message>
        <source>The operator has no GPRS APN, so the camera cannot send pictures by GPRS.</source>
        <translation>El operador no tiene APN de GPRS, así que la cámara no puede enviar fotos por GPRS.</translation>
    </message>
    <message>
        <source>The box holds a line break (shown as an arrow or as a new line). Put all entries on one line, separated by &quot;;&quot;.</source>
        <translation>El cuadro contiene un salto de línea (se ve como una flecha o una línea nueva). Ponga todas las entradas en una sola línea, separadas por «;».</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes, not </source>
        <translation>%1: más de %2 bytes, así que no es </translation>
    </message>
    <message>
        <source>%1: is not a regular file (a FIFO, a device or a socket), not </source>
        <translation>%1: no es un archivo normal (una FIFO, un dispositivo o un socket), así que no es </translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1 no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: el archivo no existe</translation>
    </message>
    <message>
        <source>%1: is a folder, not </source>
        <translation>%1: es una carpeta, así que no es </translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>un archivo de ajustes</translation>
    </message>
    <message>
        <source>a PROFILE.BIN</source>
        <translation>un PROFILE.BIN</translation>
    </message>
    <message>
        <source>%1: wrong size, %2 bytes (a PROFILE.BIN has 860)</source>
        <translation>%1: tamaño incorrecto, %2 bytes (un PROFILE.BIN tiene 860)</translation>
    </message>
    <message>
        <source>a CA certificate file</source>
        <translation>un archivo de certificados CA</translation>
    </message>
    <message>
        <source>a provider database</source>
        <translation>una base de datos de operadores</translation>
    </message>
    <message>
        <source>The provider database cannot be read: </source>
        <translation>No se puede leer la base de datos de operadores: </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Expulsar</translation>
    </message>
    <message>
        <source>%1 can be removed now.</source>
        <translation>%1 ya se puede retirar.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected yet: a program is still using it.</source>
        <translation>%1 aún no se puede expulsar: un programa todavía lo está usando.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the system does not allow you to.</source>
        <translation>%1 no se puede expulsar: el sistema no se lo permite.</translation>
    </message>
    <message>
        <source>%1 has been unmounted or removed already.</source>
        <translation>%1 ya se ha desmontado o retirado.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: the disk service UDisks2 is not running.</source>
        <translation>%1 no se puede expulsar: el servicio de discos UDisks2 no está en marcha.</translation>
    </message>
    <message>
        <source>Leave out the space.</source>
        <translation>Quite el espacio.</translation>
    </message>
    <message>
        <source>It holds a no-break space, which looks like a space: delete it.</source>
        <translation>Contiene un espacio de no separación, que parece un espacio: bórrelo.</translation>
    </message>
    <message>
        <source>It holds a character that cannot be seen (shown as &quot;%1&quot;): delete it.</source>
        <translation>Contiene un carácter invisible (se muestra como &quot;%1&quot;): bórrelo.</translation>
    </message>
    <message>
        <source>Leave out &quot;%1&quot;.</source>
        <translation>Quite &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; the box is empty.</source>
        <translation>&quot;%1&quot; necesita un número entero de %2 a %3; la casilla está vacía.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3; &quot;%4&quot; is not one.</source>
        <translation>&quot;%1&quot; necesita un número entero de %2 a %3; &quot;%4&quot; no lo es.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; the box is empty.</source>
        <translation>&quot;%1&quot; necesita un número entero escrito con cifras; la casilla está vacía.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number, written with digits; &quot;%2&quot; is not one.</source>
        <translation>&quot;%1&quot; necesita un número entero escrito con cifras; &quot;%2&quot; no lo es.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a whole number from %2 to %3, not %4.</source>
        <translation>&quot;%1&quot; necesita un número entero de %2 a %3, no %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; it has %3.</source>
        <translation>&quot;%1&quot; admite como máximo %2 caracteres; tiene %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds at most %2 characters; &quot;%3&quot; has %4.</source>
        <translation>&quot;%1&quot; admite como máximo %2 caracteres; &quot;%3&quot; tiene %4.</translation>
    </message>
    <message>
        <source>&quot;Max Num&quot; takes a whole number from 0 to 99, not %1.</source>
        <translation>&quot;Máximo&quot; admite un número entero de 0 a 99, no %1.</translation>
    </message>
    <message>
        <source>%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 to 59.</source>
        <translation>%1:%2 no es una hora del día: la hora va de 0 a 23 y el minuto de 0 a 59.</translation>
    </message>
    <message>
        <source>&quot;Max Size&quot; takes a whole number of KB from 35 to 120, not %1.</source>
        <translation>&quot;Tamaño&quot; admite un número entero de KB de 35 a 120, no %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a new name takes only the letters a-z and A-Z and the digits 0-9.</source>
        <translation>&quot;%1&quot;: un nombre nuevo solo admite las letras a-z y A-Z y las cifras 0-9.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box): a phone number holds digits only, with one &quot;+&quot; at the start.</source>
        <translation>&quot;%1&quot; (número %2 de la casilla): un número de teléfono solo tiene cifras, con un &quot;+&quot; al principio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (number %2 in the box) has %3 characters; a phone number has at most 23.</source>
        <translation>&quot;%1&quot; (número %2 de la casilla) tiene %3 caracteres; un número de teléfono tiene como máximo 23.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box) has %3 characters; an address has at most 47.</source>
        <translation>&quot;%1&quot; (dirección %2 de la casilla) tiene %3 caracteres; una dirección tiene como máximo 47.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address needs a name, &quot;@&quot; and a domain, for example anna@example.org.</source>
        <translation>&quot;%1&quot; (dirección %2 de la casilla): una dirección necesita un nombre, &quot;@&quot; y un dominio, por ejemplo anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (address %2 in the box): an address holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot; (dirección %2 de la casilla): una dirección no contiene &quot;&lt;&quot;, &quot;&gt;&quot; ni caracteres de control.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the port is a whole number from 1 to 65535, such as 25, 465 or 587.</source>
        <translation>&quot;%1&quot;: el puerto es un número entero de 1 a 65535, como 25, 465 o 587.</translation>
    </message>
    <message>
        <source>&quot;SMTP Server&quot; is empty: enter the server that sends the camera&apos;s mail, as the mail provider names it, for example smtp.example.org.</source>
        <translation>&quot;Servidor&quot; está vacío: escriba el servidor que envía el correo de la cámara, como lo llama el proveedor, por ejemplo smtp.example.org.</translation>
    </message>
    <message>
        <source>&quot;SMTP Port&quot; is empty: enter the port the mail provider gives, usually 25, 465 or 587.</source>
        <translation>&quot;Puerto SMTP&quot; está vacío: escriba el puerto que indica el proveedor, normalmente 25, 465 o 587.</translation>
    </message>
    <message>
        <source>&quot;Secure Type&quot; is not chosen: pick the one the mail provider gives for this port (often SSL/TLS for 465, STARTTLS for 587).</source>
        <translation>&quot;Seguridad&quot; no está elegida: elija la que indica el proveedor para este puerto (a menudo SSL/TLS para 465, STARTTLS para 587).</translation>
    </message>
    <message>
        <source>&quot;Email&quot; is empty: enter the address the camera sends from, for example camera@example.org.</source>
        <translation>&quot;Email&quot; está vacío: escriba la dirección de envío de la cámara, por ejemplo camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;Account&quot; is empty: enter the name the mail server knows the account by, often the address itself.</source>
        <translation>&quot;Cuenta&quot; está vacía: escriba el nombre de la cuenta en el servidor, a menudo la propia dirección.</translation>
    </message>
    <message>
        <source>&quot;Password&quot; is empty: enter the account&apos;s password.</source>
        <translation>&quot;Contraseña&quot; está vacía: escriba la contraseña de la cuenta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th number in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; es el 5.º número de la casilla; la cámara guarda cuatro. Quite uno.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the 5th address in the box; the camera keeps four. Remove one.</source>
        <translation>&quot;%1&quot; es la 5.ª dirección de la casilla; la cámara guarda cuatro. Quite una.</translation>
    </message>
    <message>
        <source>With &quot;SMS Switch&quot; on, the camera needs a phone number for its text messages, for example +4917012345678.</source>
        <translation>Con &quot;SMS&quot; activado, la cámara necesita un número de teléfono para sus SMS, por ejemplo +34612345678.</translation>
    </message>
    <message>
        <source>With Send To &quot;Phone&quot; or &quot;Both&quot;, the camera needs at least one phone number, for example +4917012345678.</source>
        <translation>Con Enviar a &quot;Teléf.&quot; o &quot;Los 2&quot;, la cámara necesita al menos un número de teléfono, por ejemplo +34612345678.</translation>
    </message>
    <message>
        <source>With Send To &quot;Email&quot; or &quot;Both&quot;, the camera needs at least one address, for example anna@example.org.</source>
        <translation>Con Enviar a &quot;Email&quot; o &quot;Los 2&quot;, la cámara necesita al menos una dirección, por ejemplo anna@example.org.</translation>
    </message>
    <message>
        <source>&quot;Path&quot; is empty: pick the SD card&apos;s folder with &quot;...&quot; or type it, for example /media/anna/CAMERA.</source>
        <translation>&quot;Ruta&quot; está vacía: elija la carpeta de la tarjeta SD con &quot;...&quot; o escríbala, por ejemplo /media/anna/CAMERA.</translation>
    </message>
    <message>
        <source>%1 cannot be ejected: %2.</source>
        <translation>%1 no se puede expulsar: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from needs an &quot;@&quot;, as in camera@example.org.</source>
        <translation>&quot;%1&quot;: la dirección de envío de la cámara necesita una &quot;@&quot;, como camera@example.org.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the address the camera sends from holds neither &quot;&lt;&quot;, &quot;&gt;&quot; nor a control character.</source>
        <translation>&quot;%1&quot;: la dirección de envío de la cámara no contiene &quot;&lt;&quot;, &quot;&gt;&quot; ni caracteres de control.</translation>
    </message>
    <message>
        <source>The card did not keep %1: reading it back gave other bytes than were written. The card may be failing or counterfeit. Nothing was saved.</source>
        <translation>La tarjeta no conservó %1: al leerlo de nuevo dio otros bytes que los escritos. Puede que la tarjeta esté fallando o sea falsificada. No se guardó nada.</translation>
    </message>
</context>
</TS>
