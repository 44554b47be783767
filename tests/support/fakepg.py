#!/usr/bin/env python3
"""A server that only pretends to be PostgreSQL, to see what a client gives away.

    fakepg.py DIR [CERT KEY]

Listens on 127.0.0.1 on a free port and writes the port to DIR/port. Without
CERT and KEY it answers TLS requests with "N" (no TLS); with them it speaks
TLS with that certificate. Either way it then asks for a clear-text password
and appends whatever password arrives to DIR/received, one a line. Runs until
killed.
"""
import os
import socket
import ssl
import struct
import sys

SSL_REQUEST = 80877103
GSSENC_REQUEST = 80877104


def read_exact(conn, count):
    data = b""
    while len(data) < count:
        chunk = conn.recv(count - len(data))
        if not chunk:
            raise ConnectionError("closed")
        data += chunk
    return data


def read_startup(conn):
    length = struct.unpack("!I", read_exact(conn, 4))[0]
    if length < 8 or length > 10000:
        raise ConnectionError("not a startup packet")
    body = read_exact(conn, length - 4)
    return struct.unpack("!I", body[:4])[0], body


def error(conn, text):
    fields = b"SFATAL\0VFATAL\0C28P01\0M" + text.encode() + b"\0\0"
    conn.sendall(b"E" + struct.pack("!I", len(fields) + 4) + fields)


def serve(conn, directory, context):
    code, _ = read_startup(conn)
    while code in (SSL_REQUEST, GSSENC_REQUEST):
        if code == SSL_REQUEST and context is not None:
            conn.sendall(b"S")
            conn = context.wrap_socket(conn, server_side=True)
        else:
            conn.sendall(b"N")
        code, _ = read_startup(conn)
    # AuthenticationCleartextPassword
    conn.sendall(b"R" + struct.pack("!II", 8, 3))
    kind = read_exact(conn, 1)
    if kind != b"p":
        return
    length = struct.unpack("!I", read_exact(conn, 4))[0]
    password = read_exact(conn, length - 4).rstrip(b"\0")
    with open(os.path.join(directory, "received"), "ab") as received:
        received.write(password + b"\n")
    error(conn, "password authentication failed")


def main():
    directory = sys.argv[1]
    context = None
    if len(sys.argv) >= 4:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(sys.argv[2], sys.argv[3])
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    port_file = os.path.join(directory, "port")
    with open(port_file + ".new", "w") as f:
        f.write(str(listener.getsockname()[1]))
    os.rename(port_file + ".new", port_file)
    while True:
        conn, _ = listener.accept()
        conn.settimeout(5)
        try:
            serve(conn, directory, context)
        except (OSError, ConnectionError, ssl.SSLError):
            pass
        finally:
            conn.close()


if __name__ == "__main__":
    main()
