#!/usr/bin/python3
"""A scripted HTTP(S) server for tests: it answers exactly as told and records
exactly what it was sent. Python 3 standard library only.

Every connection carries one request and one answer; the server never keeps a
connection open for a second request. It reads the request head (up to the
blank line, plus a body when the request announces a Content-Length),
records the raw bytes as they arrived, picks an answer and sends it, then
closes the connection, or drops it part-way when the answer says so.

Command line
------------

    scripted_http_server.py --script ANSWERS.json --record-dir DIR
                            [--port N]... [--tls-port N --cert PEM --key PEM]...
                            [--host 127.0.0.1] [--ready-file FILE]

--port and --tls-port may be given several times; every TLS port serves the
one --cert/--key pair (PEM files). Plain ports may also be listed in the
script. Once every port listens, the ready file (if asked
for) is written with one line per port, so a test can wait for it. The
server runs until it is killed.

The script: answers chosen by request
-------------------------------------

A JSON object:

    {
      "ports": [80, 8080],                       optional, as --port
      "answers": [ ANSWER, ... ]                 first match wins
    }

An ANSWER holds what it matches and what it sends. All fields are optional.

  Matching
    "path":    the request target's path, up to any "?", compared exactly
    "target":  the whole request target, compared exactly
    "method":  e.g. "GET"
    "port":    only on this listening port
    (an answer without any of these matches every request)

  Answer
    "version": the status line's protocol, default "HTTP/1.1"
    "status":  status code, default 200
    "reason":  reason phrase, default the usual one for the code
    "headers": [[NAME, VALUE], ...] sent in this order, exactly; nothing is
               added unless "content_length" is true, which appends a
               Content-Length of the body after them
    "head":    the whole status line and headers as one text, sent instead
               of "status"/"reason"/"headers" (ends with the blank line)
    "body":    a text (sent as UTF-8), or one of
                 {"text": "..."}                  UTF-8
                 {"base64": "..."}
                 {"file": "/path"}
                 {"repeat": "abc", "length": N}   "abc" repeated to N bytes
                 {"counter": N}                   bytes i % 251 for i < N
    "delay":   seconds to wait before answering
    "drop_after": send only the first N bytes of the answer (head and body
               counted together), then drop the connection
    "drop_after_body": the same, counting body bytes only: the whole head
               and the first N bytes of the body go out
    "drop":    "close" (orderly FIN, the default) or "reset" (RST)
    "drop_delay": seconds to wait between the last byte and the drop, so
               that the client has read what was sent
    "name":    record the raw request under this name (below)

A request that no answer matches gets "404 Not Found" with a short body.

Records
-------

In --record-dir:

    NNNN-PORT.request  every request, raw bytes as received, numbered in
                       arrival order from 0001
    NAME.request       the latest request that an answer named NAME took
    connections.log    one line per connection, e.g.
                         port=80 tls=no target=/api.php?text=x answer=qr
                         port=443 tls=failed reason=...

Use from Python
---------------

Other tools build on the same server with answers computed per request:

    import scripted_http_server as shs
    def answer_for(request):          # a shs.Request
        return shs.Answer(status=200, headers=[("Content-Type", "image/png")],
                          body=png_bytes, content_length=True)
    server = shs.ScriptedServer(answer_for, record_dir="/tmp/records")
    server.listen(80)
    server.serve_forever()
"""

import argparse
import base64
import http
import json
import os
import socket
import ssl
import struct
import sys
import threading
import time

MAX_REQUEST_BYTES = 1 << 20
SOCKET_TIMEOUT = 30


class Request:
    """One request as it arrived."""

    def __init__(self, port, tls, raw):
        self.port = port
        self.tls = tls
        self.raw = raw
        head = raw.split(b"\r\n\r\n", 1)[0].decode("latin-1")
        lines = head.split("\r\n")
        parts = lines[0].split(" ")
        self.method = parts[0] if parts else ""
        self.target = parts[1] if len(parts) > 1 else ""
        self.version = parts[2] if len(parts) > 2 else ""
        self.path, _, self.query = self.target.partition("?")
        self.headers = []
        for line in lines[1:]:
            name, _, value = line.partition(":")
            self.headers.append((name.strip(), value.strip()))

    def header(self, name):
        for key, value in self.headers:
            if key.lower() == name.lower():
                return value
        return None


class Answer:
    """What to send back, and how to end the connection."""

    def __init__(self, status=200, reason=None, headers=(), body=b"", head=None,
                 content_length=False, delay=0.0, drop_after=None, drop_after_body=None,
                 drop="close", drop_delay=0.0, name=None, version="HTTP/1.1"):
        self.version = version
        self.status = status
        self.reason = reason
        self.headers = list(headers)
        self.body = body
        self.head = head
        self.content_length = content_length
        self.delay = delay
        self.drop_after = drop_after
        self.drop_after_body = drop_after_body
        self.drop = drop
        self.drop_delay = drop_delay
        self.name = name

    def encode_head(self):
        if self.head is not None:
            head = self.head.encode("latin-1")
        else:
            reason = self.reason
            if reason is None:
                try:
                    reason = http.HTTPStatus(self.status).phrase
                except ValueError:
                    reason = "Unknown"
            lines = ["%s %d %s" % (self.version, self.status, reason)]
            lines += ["%s: %s" % (name, value) for name, value in self.headers]
            if self.content_length:
                lines.append("Content-Length: %d" % len(self.body))
            head = ("\r\n".join(lines) + "\r\n\r\n").encode("latin-1")
        return head

    def bytes_before_drop(self):
        """How many bytes of the answer go out; None for all of them."""
        if self.drop_after_body is not None:
            return len(self.encode_head()) + self.drop_after_body
        return self.drop_after


NOT_FOUND = Answer(status=404, headers=[("Content-Type", "text/plain")],
                   body=b"no scripted answer\n", content_length=True)


def body_from_script(body):
    if body is None:
        return b""
    if isinstance(body, str):
        return body.encode("utf-8")
    if "text" in body:
        return body["text"].encode("utf-8")
    if "base64" in body:
        return base64.b64decode(body["base64"])
    if "file" in body:
        with open(body["file"], "rb") as f:
            return f.read()
    if "repeat" in body:
        unit = body["repeat"].encode("utf-8")
        length = body["length"]
        return (unit * (length // len(unit) + 1))[:length]
    if "counter" in body:
        return bytes(i % 251 for i in range(body["counter"]))
    raise ValueError("unknown body: %r" % (body,))


def answer_from_script(entry):
    return Answer(
        status=entry.get("status", 200),
        reason=entry.get("reason"),
        headers=[tuple(h) for h in entry.get("headers", [])],
        body=body_from_script(entry.get("body")),
        head=entry.get("head"),
        content_length=entry.get("content_length", False),
        delay=entry.get("delay", 0.0),
        drop_after=entry.get("drop_after"),
        drop_after_body=entry.get("drop_after_body"),
        version=entry.get("version", "HTTP/1.1"),
        drop=entry.get("drop", "close"),
        drop_delay=entry.get("drop_delay", 0.0),
        name=entry.get("name"))


def matches(entry, request):
    if "path" in entry and entry["path"] != request.path:
        return False
    if "target" in entry and entry["target"] != request.target:
        return False
    if "method" in entry and entry["method"] != request.method:
        return False
    if "port" in entry and entry["port"] != request.port:
        return False
    return True


def answers_from_script(script):
    """An answer_for function that looks requests up in the script's answers."""
    entries = [(entry, answer_from_script(entry)) for entry in script.get("answers", [])]

    def answer_for(request):
        for entry, answer in entries:
            if matches(entry, request):
                return answer
        return NOT_FOUND

    return answer_for


class ScriptedServer:
    def __init__(self, answer_for, record_dir=None):
        self.answer_for = answer_for
        self.record_dir = record_dir
        self.sockets = []
        self.lock = threading.Lock()
        self.count = 0
        if record_dir:
            os.makedirs(record_dir, exist_ok=True)

    def listen(self, port, host="127.0.0.1", tls_context=None):
        """Binds one port; returns the port number (useful with port 0)."""
        sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        sock.bind((host, port))
        sock.listen(64)
        port = sock.getsockname()[1]
        self.sockets.append((sock, port, tls_context))
        return port

    def serve_forever(self):
        threads = [threading.Thread(target=self._accept_loop, args=entry, daemon=True)
                   for entry in self.sockets]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()

    def _accept_loop(self, sock, port, tls_context):
        while True:
            conn, _ = sock.accept()
            threading.Thread(target=self._serve_connection, args=(conn, port, tls_context),
                             daemon=True).start()

    def _log(self, line):
        if not self.record_dir:
            return
        with self.lock:
            with open(os.path.join(self.record_dir, "connections.log"), "a") as log:
                log.write(line + "\n")

    def _record(self, request, answer):
        if not self.record_dir:
            return
        with self.lock:
            self.count += 1
            number = self.count
        path = os.path.join(self.record_dir, "%04d-%d.request" % (number, request.port))
        with open(path, "wb") as f:
            f.write(request.raw)
        if answer.name:
            # Written whole, then renamed, so a reader never sees half a record.
            final = os.path.join(self.record_dir, answer.name + ".request")
            with open(final + ".part", "wb") as f:
                f.write(request.raw)
            os.replace(final + ".part", final)

    def _serve_connection(self, conn, port, tls_context):
        conn.settimeout(SOCKET_TIMEOUT)
        tls = "no"
        try:
            if tls_context is not None:
                try:
                    conn = tls_context.wrap_socket(conn, server_side=True)
                except (ssl.SSLError, OSError) as error:
                    self._log("port=%d tls=failed reason=%s" % (port, error))
                    return
                tls = "yes"
            raw = read_request(conn)
            if not raw:
                self._log("port=%d tls=%s target= answer=(nothing received)" % (port, tls))
                return
            request = Request(port, tls == "yes", raw)
            answer = self.answer_for(request) or NOT_FOUND
            self._record(request, answer)
            self._log("port=%d tls=%s target=%s answer=%s"
                      % (port, tls, request.target, answer.name or "-"))
            send_answer(conn, answer)
        except OSError as error:
            self._log("port=%d tls=%s error=%s" % (port, tls, error))
        finally:
            try:
                conn.close()
            except OSError:
                pass


def read_request(conn):
    data = b""
    while b"\r\n\r\n" not in data and len(data) < MAX_REQUEST_BYTES:
        chunk = conn.recv(65536)
        if not chunk:
            return data
        data += chunk
    head, _, rest = data.partition(b"\r\n\r\n")
    request = Request(0, False, data)
    length = request.header("Content-Length")
    if length and length.isdigit():
        while len(rest) < int(length) and len(data) < MAX_REQUEST_BYTES:
            chunk = conn.recv(65536)
            if not chunk:
                break
            data += chunk
            rest += chunk
    return data


def send_answer(conn, answer):
    if answer.delay:
        time.sleep(answer.delay)
    response = answer.encode_head() + answer.body
    limit = answer.bytes_before_drop()
    if limit is None:
        conn.sendall(response)
        finish(conn)
        return
    conn.sendall(response[:limit])
    if answer.drop_delay:
        time.sleep(answer.drop_delay)
    if answer.drop == "reset":
        # Linger on, with a time of zero: close sends RST instead of FIN.
        conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        conn.close()
    else:
        finish(conn)


def finish(conn):
    """Ends the answer with FIN and waits for the client to close, so that
    bytes still coming in never turn the close into a reset."""
    try:
        conn.settimeout(5)
        if isinstance(conn, ssl.SSLSocket):
            conn = conn.unwrap()
        conn.shutdown(socket.SHUT_WR)
        while conn.recv(65536):
            pass
    except OSError:
        pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--script", required=True)
    parser.add_argument("--record-dir", required=True)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, action="append", default=[])
    parser.add_argument("--tls-port", type=int, action="append", default=[])
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--ready-file")
    args = parser.parse_args()

    with open(args.script) as f:
        script = json.load(f)
    server = ScriptedServer(answers_from_script(script), args.record_dir)
    ports = []
    for port in list(script.get("ports", [])) + args.port:
        ports.append(server.listen(port, args.host))
    if args.tls_port:
        if not (args.cert and args.key):
            parser.error("--tls-port needs --cert and --key")
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        for port in args.tls_port:
            ports.append(server.listen(port, args.host, context))
    if not ports:
        parser.error("no port to listen on")
    if args.ready_file:
        with open(args.ready_file + ".part", "w") as f:
            f.write("".join("%d\n" % port for port in ports))
        os.replace(args.ready_file + ".part", args.ready_file)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
