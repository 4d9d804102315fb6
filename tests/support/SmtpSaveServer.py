"""An SMTP server for the integration tests, on Debian's aiosmtpd: every message it takes is
saved as N.eml in FOLDER (N counting from 1), with its envelope in N.json.

Usage: SmtpSaveServer.py PORT FOLDER
"""
import asyncio
import json
import os
import signal
import sys

from aiosmtpd.smtp import SMTP


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


def main():
    port = int(sys.argv[1])
    handler = SaveHandler(sys.argv[2])
    loop = asyncio.new_event_loop()
    # A fixed host name: looking up our own would ask the network.
    factory = lambda: SMTP(handler, hostname="shipkit-test", loop=loop)
    loop.run_until_complete(loop.create_server(factory, "127.0.0.1", port))
    loop.add_signal_handler(signal.SIGTERM, loop.stop)
    print("serving on", port, flush=True)
    loop.run_forever()


if __name__ == "__main__":
    main()
