#!/usr/bin/python3
"""Loopback stand-in for the QR-code image service.

Answers GET /api.php?text=... with a QR code of the percent-decoded `text`
value, made by Debian's qrencode, and keeps every request exactly as its bytes
arrived. Tests pick how it answers:

  png      a PNG QR code (the default)
  jpeg     the same code as a JPEG (ImageMagick's convert)
  html404  an HTML error page with status 404
  close    reads the request and closes the connection without an answer
  broken   announces the whole PNG, sends half of it and closes

Run as a program (tools/run-quorvane.sh does, on port 80 inside the private
network), or import StandIn and start it on a thread from a test.
"""

import argparse
import signal
import socketserver
import subprocess
import threading
import time
import urllib.parse

MODES = ("png", "jpeg", "html404", "close", "broken")
HEAD_LIMIT = 64 * 1024

ERROR_PAGE = (b"<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head>\n"
              b"<body><h1>Not Found</h1><p>No such QR code.</p></body></html>\n")


def text_value(target):
    """The percent-decoded bytes of the query key `text`, read as PHP reads
    a query string: split at '&', then at the first '=', '+' for a blank."""
    path, _, query = target.partition(b"?")
    if path != b"/api.php":
        return None
    for pair in query.split(b"&"):
        key, _, value = pair.partition(b"=")
        if key == b"text":
            return urllib.parse.unquote_to_bytes(value.replace(b"+", b" "))
    return None


def qr_png(text, module_size=4):
    return subprocess.run(["qrencode", "-t", "PNG", "-s", str(module_size), "-o", "-"],
                          input=text, stdout=subprocess.PIPE, check=True).stdout


def png_to_jpeg(png):
    return subprocess.run(["convert", "png:-", "jpeg:-"], input=png,
                          stdout=subprocess.PIPE, check=True).stdout


def response(status, content_type, body, length=None):
    head = (f"HTTP/1.0 {status}\r\nContent-Type: {content_type}\r\n"
            f"Content-Length: {len(body) if length is None else length}\r\n"
            "Connection: close\r\n\r\n")
    return head.encode("ascii") + body


class Request:
    """One request as received, with when it came and when its answer ended."""

    def __init__(self, raw, accepted):
        self.raw = raw
        self.accepted = accepted
        self.finished = None
        line = raw.split(b"\r\n", 1)[0].split(b" ")
        self.method = line[0] if line else b""
        self.target = line[1] if len(line) > 1 else b""
        self.version = line[2] if len(line) > 2 else b""
        self.body_sent = b""  # the picture or page it was answered with


class _Handler(socketserver.BaseRequestHandler):
    def handle(self):
        standin = self.server.standin
        accepted = time.monotonic()
        raw = self._read_request()
        if not raw:
            return  # a connection that asked for nothing
        request = Request(raw, accepted)
        standin._record(request)
        try:
            if standin.delay:
                time.sleep(standin.delay)
            self._answer(standin.mode, request)
        except OSError:
            pass  # the client went away; nothing to tell it
        finally:
            request.finished = time.monotonic()

    def _read_request(self):
        self.request.settimeout(10)
        data = b""
        try:
            while b"\r\n\r\n" not in data and len(data) < HEAD_LIMIT:
                chunk = self.request.recv(4096)
                if not chunk:
                    break
                data += chunk
        except OSError:
            pass
        return data

    def _answer(self, mode, request):
        if mode == "close":
            return
        text = text_value(request.target)
        if mode == "html404" or text is None or request.method != b"GET":
            request.body_sent = ERROR_PAGE
            self.request.sendall(response("404 Not Found", "text/html; charset=utf-8", ERROR_PAGE))
            return
        picture = qr_png(text)
        if mode == "jpeg":
            picture = png_to_jpeg(picture)
            request.body_sent = picture
            self.request.sendall(response("200 OK", "image/jpeg", picture))
        elif mode == "broken":
            part = picture[:len(picture) // 2]
            request.body_sent = part
            self.request.sendall(response("200 OK", "image/png", part, length=len(picture)))
        else:
            request.body_sent = picture
            self.request.sendall(response("200 OK", "image/png", picture))


class _Server(socketserver.ThreadingTCPServer):
    allow_reuse_address = True
    daemon_threads = True


class StandIn:
    """The stand-in on a port of this machine; mode and delay may change
    between requests."""

    def __init__(self, port=80, mode="png", record_path=None, host="127.0.0.1", delay=0.0):
        if mode not in MODES:
            raise ValueError(f"unknown mode {mode}")
        self.mode = mode
        self.delay = delay
        self.record_path = record_path
        self.requests = []
        self._lock = threading.Lock()
        self._server = _Server((host, port), _Handler)
        self._server.standin = self
        self._thread = None

    def _record(self, request):
        with self._lock:
            self.requests.append(request)
            if self.record_path:
                with open(self.record_path, "ab") as record:
                    record.write(request.raw)

    def start(self):
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()
        return self

    def serve(self):
        self._server.serve_forever()

    def stop(self):
        """Stops answering and closes the port; a second call does nothing."""
        if self._server is None:
            return
        self._server.shutdown()
        self._server.server_close()
        self._server = None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--port", type=int, default=80)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--mode", choices=MODES, default="png")
    parser.add_argument("--record", help="append each raw request to this file")
    args = parser.parse_args()
    standin = StandIn(args.port, args.mode, args.record, args.host)
    signal.signal(signal.SIGTERM, lambda *_: threading.Thread(target=standin.stop).start())
    print(f"qr stand-in: {args.mode} on {args.host}:{args.port}", flush=True)
    try:
        standin.serve()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
