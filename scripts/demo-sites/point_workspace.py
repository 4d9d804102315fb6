"""Points a copy of the demo workspace at the demo sites' ports: the 127.0.0.1 addresses of the
engines (HTTP form addresses, FTP server) and of the SMTP setting get the given ports, and the
application's relative file paths become absolute within the workspace. Addresses elsewhere
are left alone, so engines of real sites never change. Safe to run again.

Usage: point_workspace.py WORKSPACE HTTP_PORT FTP_PORT SMTP_PORT
"""
import os
import re
import sys

LOOPBACK_URL = re.compile(r"^(http://127\.0\.0\.1)(:\d+)?(/|$)")
LOOPBACK_HOST = re.compile(r"^127\.0\.0\.1(:\d+)?$")
PATH_KEYS = ("PATH", "ICOPATH", "GIFPATH", "SCREENPATH", "OTHERPATH")


def rewrite(path, change):
    """Applies change(key, value) -> value to every KEY=VALUE line, keeping the bytes else."""
    if not os.path.exists(path):
        return
    with open(path, "rb") as f:
        lines = f.read().decode("latin-1").split("\r\n")
    out = []
    for line in lines:
        key, sep, value = line.partition("=")
        out.append(key + sep + change(key, value) if sep else line)
    with open(path, "wb") as f:
        f.write("\r\n".join(out).encode("latin-1"))


def main():
    workspace, http_port, ftp_port, smtp_port = sys.argv[1], *map(int, sys.argv[2:5])

    def engine(key, value):
        if key in ("HTTP_NEW_SCRIPT_URL", "HTTP_UPDATE_SCRIPT_URL"):
            return LOOPBACK_URL.sub(r"\g<1>:%d\g<3>" % http_port, value)
        if key == "FTP_SERVER" and LOOPBACK_HOST.match(value):
            return "127.0.0.1:%d" % ftp_port
        return value

    def settings(key, value):
        return "127.0.0.1:%d" % smtp_port if key == "SMTP" and LOOPBACK_HOST.match(value) else value

    def application(key, value):
        if key in PATH_KEYS and value and not os.path.isabs(value):
            return os.path.join(os.path.abspath(workspace), value)
        return value

    sites = os.path.join(workspace, "sites")
    for name in sorted(os.listdir(sites)):
        if name.endswith(".ini"):
            rewrite(os.path.join(sites, name), engine)
    rewrite(os.path.join(workspace, "settings.dat"), settings)
    data = os.path.join(workspace, "data")
    for name in sorted(os.listdir(data)):
        if name.endswith(".dat") and not name.endswith("_SITES.dat"):
            rewrite(os.path.join(data, name), application)


if __name__ == "__main__":
    main()
