#!/usr/bin/python3
"""Checks of the scripted HTTP server that other tests lean on: answers sent
exactly as scripted, requests recorded exactly as received, drops where asked."""

import os
import shutil
import socket
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import scripted_http_server as shs  # noqa: E402

SCRIPT = {
    "answers": [
        {"path": "/exact", "name": "exact",
         "headers": [["X-First", "1"], ["Content-Type", "text/plain"]],
         "body": "hello", "content_length": True},
        {"path": "/only-on-second", "port": "SECOND", "body": "second"},
        {"target": "/q?a=1", "method": "GET", "body": {"repeat": "ab", "length": 5}},
        {"path": "/head", "head": "HTTP/1.0 299 Odd\r\nX: y\r\n\r\n", "body": {"base64": "AAEC"}},
        {"path": "/cut", "headers": [["Content-Length", "1000"]], "body": {"counter": 1000},
         "drop_after_body": 300},
        {"path": "/reset", "headers": [["Content-Length", "1000"]], "body": {"counter": 1000},
         "drop_after_body": 300, "drop": "reset", "drop_delay": 0.3},
    ]
}


def exchange(port, request):
    """Sends request, returns (bytes received, how the connection ended)."""
    with socket.create_connection(("127.0.0.1", port), timeout=10) as conn:
        conn.sendall(request)
        received = b""
        while True:
            try:
                chunk = conn.recv(65536)
            except ConnectionResetError:
                return received, "reset"
            if not chunk:
                return received, "closed"
            received += chunk


class ScriptedServerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.records = tempfile.mkdtemp()
        server = shs.ScriptedServer(None, cls.records)
        cls.port = server.listen(0)
        cls.second = server.listen(0)
        script = dict(SCRIPT)
        script["answers"] = [dict(a) for a in SCRIPT["answers"]]
        script["answers"][1]["port"] = cls.second
        server.answer_for = shs.answers_from_script(script)
        threading.Thread(target=server.serve_forever, daemon=True).start()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.records, ignore_errors=True)

    def test_answer_goes_out_exactly_and_request_is_recorded_raw(self):
        request = b"GET /exact?x=\xb2\xe2 HTTP/1.0\r\nUser-Agent: t\r\n\r\n"
        received, end = exchange(self.port, request)
        self.assertEqual(received, b"HTTP/1.1 200 OK\r\nX-First: 1\r\nContent-Type: text/plain\r\n"
                                   b"Content-Length: 5\r\n\r\nhello")
        self.assertEqual(end, "closed")
        with open(os.path.join(self.records, "exact.request"), "rb") as f:
            self.assertEqual(f.read(), request)

    def test_answers_are_chosen_by_path_port_target_and_method(self):
        cases = [
            (self.second, b"GET /only-on-second HTTP/1.0\r\n\r\n", b"second"),
            (self.port, b"GET /only-on-second HTTP/1.0\r\n\r\n", b"no scripted answer\n"),
            (self.port, b"GET /q?a=1 HTTP/1.0\r\n\r\n", b"ababa"),
            (self.port, b"HEAD /q?a=1 HTTP/1.0\r\n\r\n", b"no scripted answer\n"),
            (self.port, b"GET /q?a=2 HTTP/1.0\r\n\r\n", b"no scripted answer\n"),
        ]
        for port, request, body in cases:
            received, _ = exchange(port, request)
            self.assertEqual(received.split(b"\r\n\r\n", 1)[1], body, request)

    def test_head_replaces_status_line_and_headers(self):
        received, _ = exchange(self.port, b"GET /head HTTP/1.0\r\n\r\n")
        self.assertEqual(received, b"HTTP/1.0 299 Odd\r\nX: y\r\n\r\n\x00\x01\x02")

    def test_drop_after_body_bytes_closes_or_resets(self):
        head = b"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n"
        body = bytes(i % 251 for i in range(300))
        self.assertEqual(exchange(self.port, b"GET /cut HTTP/1.0\r\n\r\n"), (head + body, "closed"))
        self.assertEqual(exchange(self.port, b"GET /reset HTTP/1.0\r\n\r\n"), (head + body, "reset"))

    def test_every_request_is_logged(self):
        exchange(self.port, b"GET /logged HTTP/1.0\r\n\r\n")
        for _ in range(50):
            with open(os.path.join(self.records, "connections.log")) as log:
                if "target=/logged answer=-" in log.read():
                    return
            time.sleep(0.1)
        self.fail("no log line for /logged")


if __name__ == "__main__":
    unittest.main()
