"""An SMTP server for the integration tests, on Debian's aiosmtpd: every message it takes is
saved as N.eml in FOLDER (N counting from 1), with its envelope in N.json.

Options, all aiosmtpd's own features:
  --starttls CERT KEY   offer STARTTLS with this certificate
  --tls CERT KEY        TLS from the connect on
  --auth USER PASSWORD  offer AUTH (after TLS only); each login is added to FOLDER/auth.log
                        as "MECHANISM user ok|refused"
  --no-plain            leave AUTH PLAIN out of the offered mechanisms

Usage: SmtpSaveServer.py PORT FOLDER [options]
"""
import argparse
import asyncio
import json
import os
import signal
import ssl

from aiosmtpd.smtp import SMTP, AuthResult


class SaveHandler:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.folder, str(self.count))
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content)
        with open(base + ".json", "w") as f:
            json.dump({"from": envelope.mail_from, "to": envelope.rcpt_tos}, f)
        return "250 Message accepted"


def authenticator(folder, user, password):
    def check(server, session, envelope, mechanism, auth_data):
        ok = auth_data.login == user.encode() and auth_data.password == password.encode()
        with open(os.path.join(folder, "auth.log"), "a") as log:
            log.write("%s %s %s\n" % (mechanism, auth_data.login.decode(), "ok" if ok else "refused"))
        return AuthResult(success=ok)

    return check


def context(cert_and_key):
    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(*cert_and_key)
    return tls


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("port", type=int)
    parser.add_argument("folder")
    parser.add_argument("--starttls", nargs=2)
    parser.add_argument("--tls", nargs=2)
    parser.add_argument("--auth", nargs=2)
    parser.add_argument("--no-plain", action="store_true")
    args = parser.parse_args()
    handler = SaveHandler(args.folder)
    options = {}
    if args.starttls:
        options["tls_context"] = context(args.starttls)
    if args.auth:
        options["authenticator"] = authenticator(args.folder, *args.auth)
        options["auth_require_tls"] = True
    if args.no_plain:
        options["auth_exclude_mechanism"] = ["PLAIN"]
    loop = asyncio.new_event_loop()
    # A fixed host name: looking up our own would ask the network.
    factory = lambda: SMTP(handler, hostname="shipkit-test", loop=loop, **options)
    implicit = context(args.tls) if args.tls else None
    loop.run_until_complete(loop.create_server(factory, "127.0.0.1", args.port, ssl=implicit))
    loop.add_signal_handler(signal.SIGTERM, loop.stop)
    print("serving on", args.port, flush=True)
    loop.run_forever()


if __name__ == "__main__":
    main()
