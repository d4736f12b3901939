"""A mail server on 127.0.0.1 for the mail check's tests.

Prints "PORT <n>" once it listens and runs until its standard input closes.
Writes what it sees as JSON lines to --log: every chunk it received (after
TLS), every login attempt and every message delivered.
"""

import argparse
import asyncio
import base64
import json
import ssl
import sys
import warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class Log:
    def __init__(self, path):
        self.file = open(path, "a", encoding="utf-8")

    def write(self, **event):
        self.file.write(json.dumps(event) + "\n")
        self.file.flush()


class RecordingSMTP(SMTP):
    def __init__(self, log, *args, **kwargs):
        super().__init__(*args, **kwargs)
        self.recording = log

    def data_received(self, data):
        self.recording.write(event="received", data=data.decode("latin-1"))
        lines = data.rstrip(b"\r\n").split(b"\r\n")
        self.last_line = lines[-1].decode("latin-1")
        super().data_received(data)


class Handler:
    def __init__(self, log):
        self.log = log

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        # A domain of its own stands for mailboxes the server does not know.
        if address.endswith("@refused.test"):
            return "550 5.1.1 <%s>: no such user here" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.log.write(event="message", sender=envelope.mail_from, recipients=envelope.rcpt_tos,
                       content=envelope.content.decode("latin-1"))
        return "250 OK"


def main():
    # aiosmtpd warns about its own use of a deprecated attribute.
    warnings.filterwarnings("ignore", category=DeprecationWarning)
    p = argparse.ArgumentParser()
    p.add_argument("--mode", required=True,
                   choices=["plain", "tls", "starttls", "no-starttls", "hangup", "quoting", "quoting-login"])
    p.add_argument("--cert")
    p.add_argument("--key")
    p.add_argument("--login", required=True)
    p.add_argument("--password", required=True)
    p.add_argument("--log", required=True)
    a = p.parse_args()

    log = Log(a.log)
    context = None
    if a.mode in ("tls", "starttls"):
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(a.cert, a.key)

    def authenticate(server, session, envelope, mechanism, data):
        quoting = a.mode.startswith("quoting")
        ok = (not quoting and isinstance(data, LoginPassword) and data.login == a.login.encode("latin-1")
              and data.password == a.password.encode("latin-1"))
        log.write(event="auth", mechanism=mechanism, ok=ok)
        if a.mode == "hangup":
            server.transport.close()
        if quoting:
            # Refuses every login quoting the last line it got: as it came,
            # and folded into longer base64 texts of its own at the other two
            # byte positions.
            raw = base64.b64decode(server.last_line)
            folded = [base64.b64encode(prefix + raw).decode() for prefix in (b"x", b"xy")]
            return AuthResult(success=False, handled=False,
                              message="535 5.7.8 no %s / %s / %s" % (server.last_line, *folded))
        # Not handled here: the server then answers 535 itself.
        return AuthResult(success=ok, handled=False)

    def make_protocol():
        return RecordingSMTP(log, Handler(log), hostname="loopback.test",
                             tls_context=context if a.mode == "starttls" else None,
                             auth_require_tls=False, authenticator=authenticate,
                             auth_exclude_mechanism=["PLAIN"] if a.mode == "quoting-login" else None)

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    server = loop.run_until_complete(loop.create_server(
        make_protocol, "127.0.0.1", 0, ssl=context if a.mode == "tls" else None))
    print("PORT", server.sockets[0].getsockname()[1], flush=True)

    def on_stdin():
        if not sys.stdin.buffer.read1(4096):
            loop.stop()

    loop.add_reader(sys.stdin.fileno(), on_stdin)
    loop.run_forever()


if __name__ == "__main__":
    main()
