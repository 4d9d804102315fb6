"""A proxy that only tunnels: answers CONNECT host:port with 200 and relays bytes both ways.
Every request head it receives is appended to LOGFILE.

Usage: ConnectProxy.py PORT LOGFILE
"""
import select
import socket
import socketserver
import sys


class Tunnel(socketserver.StreamRequestHandler):
    def handle(self):
        head = b""
        while not head.endswith(b"\r\n\r\n"):
            line = self.rfile.readline()
            if not line:
                return
            head += line
        with open(self.server.log, "ab") as log:
            log.write(head)
        target = head.split(b" ")[1].decode("latin-1")
        host, port = target.rsplit(":", 1)
        with socket.create_connection((host, int(port))) as upstream:
            self.wfile.write(b"HTTP/1.0 200 Connection established\r\n\r\n")
            self.wfile.flush()
            relay(self.connection, upstream)


def relay(client, upstream):
    ends = [client, upstream]
    while True:
        readable, _, _ = select.select(ends, [], [])
        for end in readable:
            data = end.recv(65536)
            if not data:
                return
            (upstream if end is client else client).sendall(data)


def main():
    server = socketserver.ThreadingTCPServer(("127.0.0.1", int(sys.argv[1])), Tunnel)
    server.daemon_threads = True
    server.log = sys.argv[2]
    print("tunnelling on", sys.argv[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
