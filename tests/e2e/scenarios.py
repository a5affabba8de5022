#!/usr/bin/python3
"""End-to-end scenarios of Quorvane: the real program under Wine, used as a
person uses it.

  scenarios.py NAME --exe Quorvane.exe --inspector win_inspect.exe
"""

import os
import tempfile
import time
import urllib.parse

from harness import (DESKTOP_SIZE, WINDOW_SIZE, Failure, Program, check, decode_qr, main,
                     read_rgb, temporary_directory, wait_for)
from qr_standin_server import StandIn

# Places in the client area, as the window is designed.
EDIT_BOX = 100
BUTTON = 120
EDIT_TEXT = (64 + 30, 23 + 16)      # on the text line of 编辑框1
EDIT_TOP_STRIP = (64 + 30, 23 + 4)  # inside its border, above the text line
BUTTON_CENTRE = (256 + 36, 22 + 16)
# 图片框1 without the rows that 标签2 covers.
PICTURE_BOX = (19, 72, 312, 304)

INITIAL_ID = "100011528666"
INITIAL_TARGET = (b"/api.php?text=https%3A%2F%2Fm.velmo.com%2Fnorder%2Forder.action"
                  b"%3FwareId%3D100011528666%26wareNum%3D1%26enterOrder%3Dtrue")


def order_url(product_id):
    return ("https://m.velmo.com/norder/order.action?wareId=" + product_id
            + "&wareNum=1&enterOrder=true").encode("ascii")


def request_target(product_id):
    return b"/api.php?text=" + urllib.parse.quote(order_url(product_id), safe="").encode("ascii")


# --- what the picture box shows -----------------------------------------

def box_pixels(program):
    return program.screen.pixels(program.client_rect(*PICTURE_BOX))


def only_background(pixels, face):
    width, height, data = pixels
    return data == bytes(face) * (width * height)


def shows_picture(pixels, picture, face, tolerance):
    """The picture at its natural size in the upper left corner of the box,
    cut at the box's edges, and the box's background everywhere else."""
    width, height, data = pixels
    pw, ph, pdata = picture
    for y in range(height):
        row = data[y * width * 3:(y + 1) * width * 3]
        shown = min(pw, width) * 3 if y < ph else 0
        if y < ph:
            expected = pdata[y * pw * 3:y * pw * 3 + shown]
            if tolerance == 0:
                if row[:shown] != expected:
                    return False
            elif any(abs(a - b) > tolerance for a, b in zip(row[:shown], expected)):
                return False
        if row[shown:] != bytes(face) * ((len(row) - shown) // 3):
            return False
    return True


def served_picture(request):
    with tempfile.NamedTemporaryFile() as picture:
        picture.write(request.body_sent)
        picture.flush()
        return read_rgb(picture.name)


def wait_for_qr_code(program, request, face, expected_text, kind="png"):
    """Waits until the box shows the picture that answered `request` and
    checks the QR code in it; keeps and returns the shot of the box."""
    picture = served_picture(request)
    tolerance = 0 if kind == "png" else 24  # JPEG decoders may round apart
    wait_for(f"the {kind} QR code in the picture box",
             lambda: shows_picture(box_pixels(program), picture, face, tolerance))
    shot = program.keep_screenshot("picture-box", program.client_rect(*PICTURE_BOX))
    decoded = decode_qr(shot)
    check(decoded == expected_text, f"QR code carries {decoded!r}, expected {expected_text!r}")
    return shot


def wait_for_requests(standin, count, timeout=15):
    wait_for(f"{count} request(s) at the stand-in",
             lambda: len(standin.requests) >= count and all(r.finished for r in standin.requests),
             timeout=timeout)
    return standin.requests[count - 1]


def check_request(request, target):
    check(request.method == b"GET", f"method {request.method!r}")
    check(request.version == b"HTTP/1.0", f"version {request.version!r}")
    check(request.target == target, f"target {request.target!r}, expected {target!r}")


def close_with_esc(program):
    program.screen.key("Escape")
    wait_for("the window to close", lambda: program.inspector.window() is None)
    code = program.wait_for_exit()
    check(code == 0, f"exit code {code}")


def replace_product_id(program, product_id):
    program.double_click(*EDIT_TEXT)
    wait_for("the edit box to be emptied", lambda: program.inspector.text(EDIT_BOX) == "")
    program.screen.type(product_id)
    wait_for(f"the edit box to hold {product_id!r}",
             lambda: program.inspector.text(EDIT_BOX) == product_id)


# --- scenarios -----------------------------------------------------------

def window_scenario(exe, inspector):
    """Start from elsewhere, the window, focus and keys, Esc and exit code."""
    with temporary_directory() as elsewhere, Program(exe, inspector, elsewhere) as program:
        left = (DESKTOP_SIZE[0] - WINDOW_SIZE[0]) // 2
        top = (DESKTOP_SIZE[1] - WINDOW_SIZE[1]) // 2
        rect = program.window["rect"]
        check(rect == (left, top, left + WINDOW_SIZE[0], top + WINDOW_SIZE[1]),
              f"window at {rect}, expected centred {WINDOW_SIZE[0]}x{WINDOW_SIZE[1]}")
        program.keep_screenshot("main-window")

        exe_folder = "Z:" + os.path.dirname(exe).replace("/", "\\")
        cwd = program.inspector.working_directory()
        check(cwd is not None and cwd.rstrip("\\") == exe_folder,
              f"working directory {cwd!r}, expected {exe_folder!r} (started in {elsewhere})")

        check(program.inspector.focus() == str(EDIT_BOX), "the edit box has no focus at start")
        check(program.inspector.text(EDIT_BOX) == INITIAL_ID, "initial product id")
        # The caret stands before the first digit and nothing is selected.
        program.screen.type("9")
        wait_for("the typed digit", lambda: program.inspector.text(EDIT_BOX) == "9" + INITIAL_ID)

        for key, expected in (("Tab", BUTTON), ("Tab", EDIT_BOX), ("shift+Tab", BUTTON),
                              ("shift+Tab", EDIT_BOX), ("shift+Tab", BUTTON)):
            program.screen.key(key)
            wait_for(f"{key} to move the focus to {expected}",
                     lambda: program.inspector.focus() == str(expected), timeout=5)
        close_with_esc(program)


def conversion_scenario(exe, inspector):
    """Conversions of the initial and of a typed product id; Enter and
    Space on the button."""
    standin = StandIn(port=80).start()
    try:
        with temporary_directory() as elsewhere, Program(exe, inspector, elsewhere) as program:
            face = program.inspector.button_face()
            check(only_background(box_pixels(program), face), "the picture box is not empty at start")

            program.click(*BUTTON_CENTRE)
            request = wait_for_requests(standin, 1)
            check_request(request, INITIAL_TARGET)
            wait_for_qr_code(program, request, face, order_url(INITIAL_ID))
            check(len(standin.requests) == 1, f"{len(standin.requests)} requests for one click")
            program.keep_screenshot("qr-window")

            typed = "Ab 7&x%"
            replace_product_id(program, typed)
            program.click(*BUTTON_CENTRE)
            request = wait_for_requests(standin, 2)
            check_request(request, request_target(typed))
            wait_for_qr_code(program, request, face, order_url(typed))

            # Enter does nothing, on the button or in the edit box; each
            # Tab after it shows the Enter has been handled.
            wait_for("the clicked button to hold the focus",
                     lambda: program.inspector.focus() == str(BUTTON), timeout=5)
            for focused, focus_after in ((BUTTON, EDIT_BOX), (EDIT_BOX, BUTTON)):
                program.screen.key("Return", "Tab")
                wait_for("the Tab after Enter", lambda: program.inspector.focus() == str(focus_after),
                         timeout=5)
                check(len(standin.requests) == 2, f"Enter with the focus on {focused} converted")
                check(not program.inspector.message_boxes(), "Enter brought a message box")
            program.screen.key("space")
            request = wait_for_requests(standin, 3)
            check_request(request, request_target(typed))
            wait_for_qr_code(program, request, face, order_url(typed))
            close_with_esc(program)
    finally:
        standin.stop()


def empty_id_scenario(exe, inspector):
    """Emptying the edit box by a double-click, and the refusal of an empty
    product id."""
    standin = StandIn(port=80).start()
    try:
        with temporary_directory() as elsewhere, Program(exe, inspector, elsewhere) as program:
            face = program.inspector.button_face()
            # Above the text line, inside the border, a double-click does
            # nothing; the Tab after it shows it has been handled.
            program.double_click(*EDIT_TOP_STRIP)
            program.screen.key("Tab")
            wait_for("the Tab", lambda: program.inspector.focus() == str(BUTTON), timeout=5)
            check(program.inspector.text(EDIT_BOX) == INITIAL_ID,
                  "a double-click above the text line changed the edit box")

            program.double_click(*EDIT_TEXT)
            wait_for("the edit box to be emptied", lambda: program.inspector.text(EDIT_BOX) == "")
            program.click(*BUTTON_CENTRE)
            boxes = wait_for("the message box", program.inspector.message_boxes)
            check(len(boxes) == 1, f"{len(boxes)} message boxes")
            box = boxes[0]
            program.keep_screenshot("empty-id-message", (0, 0) + DESKTOP_SIZE)
            check(box["caption"] == ["信息："], f"caption {box['caption']}")
            check(box.get("static") == ["请输入产品ID在生存二维码"], f"text {box.get('static')}")
            check(box.get("button_id") == ["1"], f"buttons {box.get('button')} {box.get('button_id')}")
            check(not program.inspector.window()["enabled"],
                  "the main window takes input while the message box is open")
            check(not standin.requests, "a request was made for an empty product id")

            left, top, right, bottom = (int(v) for v in box["button_rect"][0].split(","))
            program.screen.click((left + right) // 2, (top + bottom) // 2)
            wait_for("the message box to close", lambda: not program.inspector.message_boxes())
            wait_for("the main window to take input again",
                     lambda: program.inspector.window()["enabled"])
            check(not standin.requests, "a request was made for an empty product id")
            check(program.inspector.text(EDIT_BOX) == "", "the edit box changed")
            check(only_background(box_pixels(program), face), "the picture box changed")
            # A message box without owner leaves the window inactive when it
            # closes (Windows then activates some other window); the person
            # clicks the title bar to come back to it.
            program.click_title_bar()
            close_with_esc(program)
    finally:
        standin.stop()


def failed_fetch_scenario(exe, inspector):
    """Error page, dropped and broken answers and a missing service leave the
    picture box empty and show no message; a JPEG answer is shown."""
    standin = StandIn(port=80).start()
    try:
        with temporary_directory() as elsewhere, Program(exe, inspector, elsewhere) as program:
            face = program.inspector.button_face()
            expected_text = order_url(INITIAL_ID)
            for shown, failing in (("png", "html404"), ("jpeg", "close"), ("png", "broken"),
                                   ("png", None)):
                standin.mode = shown
                count = len(standin.requests)
                program.click(*BUTTON_CENTRE)
                request = wait_for_requests(standin, count + 1)
                wait_for_qr_code(program, request, face, expected_text, shown)

                count += 1
                if failing:
                    standin.mode = failing
                else:
                    standin.stop()
                program.click(*BUTTON_CENTRE)
                if failing:
                    check_request(wait_for_requests(standin, count + 1), INITIAL_TARGET)
                wait_for(f"an empty picture box after {failing or 'no service'}",
                         lambda: only_background(box_pixels(program), face))
                check(not program.inspector.message_boxes(),
                      f"a message box after {failing or 'no service'}")
                check(len(standin.requests) == count + (1 if failing else 0),
                      f"{len(standin.requests) - count} requests for one click")
            close_with_esc(program)
    finally:
        standin.stop()


def two_clicks_scenario(exe, inspector):
    """A second click while the first conversion waits for the service runs
    a second conversion after the first."""
    standin = StandIn(port=80, delay=1.5).start()
    try:
        with temporary_directory() as elsewhere, Program(exe, inspector, elsewhere) as program:
            face = program.inspector.button_face()
            program.click(*BUTTON_CENTRE)
            wait_for("the first request", lambda: standin.requests)
            standin.delay = 0
            second_click = time.monotonic()
            program.click(*BUTTON_CENTRE)

            first, second = wait_for_requests(standin, 1), wait_for_requests(standin, 2)
            check(first.finished > second_click,
                  "the second click came after the first answer; nothing was tested")
            check(second.accepted >= first.finished,
                  "the second request started before the first had its answer")
            check_request(first, INITIAL_TARGET)
            check_request(second, INITIAL_TARGET)
            wait_for_qr_code(program, second, face, order_url(INITIAL_ID))
            check(len(standin.requests) == 2, f"{len(standin.requests)} requests for two clicks")
            close_with_esc(program)
    finally:
        standin.stop()


SCENARIOS = {
    "window": (window_scenario, False),
    "conversion": (conversion_scenario, True),
    "empty_id": (empty_id_scenario, True),
    "failed_fetch": (failed_fetch_scenario, True),
    "two_clicks": (two_clicks_scenario, True),
}

if __name__ == "__main__":
    main(SCENARIOS)
