"""Starting the real program in an X session and reading its board from screenshots."""
import hashlib
import os

from xharness import expect

TITLE = "Kelvaro 1.0.5"
BOARD = (4 + 8, 32 + 24)  # the board's top-left corner in the window
EXIT = (664, 464, 80, 33)  # the exit button's place and size in the window


def user_env(session):
    """A home, settings and runtime folder of the session's own."""
    home = os.path.join(session.tmp, "home")
    os.makedirs(home, exist_ok=True)
    return {"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"), "XDG_RUNTIME_DIR": session.tmp}


def start(session, program, extra_env=None):
    env = user_env(session)
    home = env["HOME"]
    env.update(extra_env or {})
    proc = session.spawn([program], env=env)
    wid = session.find_window(TITLE)
    session.shown(wid)
    return proc, wid, os.path.join(home, ".config", "Kelvaro", "settings.ini")


def move_window(session, wid, x, y):
    """Moves the window and returns its new place once the program knows it. The move
    reaches the program as an event, so a press on the exit button sent after it shows
    the program has read that far; the pointer leaves the button before it lets go,
    which cancels the press. The press is off the button's centre, where a test's
    next click would make it a double click."""
    session.xdotool("windowmove", "--sync", wid, x, y)
    x, y = session.geometry(wid)[:2]
    button = (x + EXIT[0], y + EXIT[1], x + EXIT[0] + EXIT[2], y + EXIT[1] + EXIT[3])
    session.move(button[0] + 8, button[1] + 8)
    before = session.screenshot().crop(button).tobytes()
    session.xdotool("mousedown", 1)
    session.poll(lambda: session.screenshot().crop(button).tobytes() != before, 5,
                 "the exit button to show a press made after the move")
    session.move(*cell_centre(x, y, 1, 1))  # the empty ring: nothing there takes the press
    session.xdotool("mouseup", 1)
    return x, y


def cell_origin(win_x, win_y, row, col):
    return win_x + BOARD[0] + (col - 1) * 40, win_y + BOARD[1] + (row - 1) * 40


def cell_centre(win_x, win_y, row, col):
    x, y = cell_origin(win_x, win_y, row, col)
    return x + 20, y + 20


def face_key(shot, win_x, win_y, row, col):
    """A fingerprint of a cell's picture, inside the grid lines."""
    x, y = cell_origin(win_x, win_y, row, col)
    return hashlib.sha1(shot.crop((x + 2, y + 2, x + 38, y + 38)).tobytes()).hexdigest()


def mostly_white(shot, win_x, win_y, row, col):
    x, y = cell_origin(win_x, win_y, row, col)
    crop = shot.crop((x + 3, y + 3, x + 37, y + 37))
    white = sum(1 for p in crop.getdata() if p == (255, 255, 255))
    return white > 0.95 * 34 * 34


def find_linkable_pair(shot, win_x, win_y):
    """Two tiles of one face that surely link: neighbours, or both on the same
    outer row or column of the field (joined through the empty ring). Pairs
    whose face is that of (2, 2) are avoided unless (2, 2) is one of them, since
    the first press pairs with (2, 2)."""
    keys = {(r, c): face_key(shot, win_x, win_y, r, c) for r in range(2, 12) for c in range(2, 16)}
    first = keys[(2, 2)]
    candidates = []
    for (r, c), k in keys.items():
        for (r2, c2) in ((r, c + 1), (r + 1, c)):
            if keys.get((r2, c2)) == k:
                candidates.append(((r, c), (r2, c2)))
    for line in ([(2, c) for c in range(2, 16)], [(11, c) for c in range(2, 16)],
                 [(r, 2) for r in range(2, 12)], [(r, 15) for r in range(2, 12)]):
        for i, a in enumerate(line):
            for b in line[i + 1:]:
                if keys[a] == keys[b]:
                    candidates.append((a, b))
    for a, b in candidates:
        if (2, 2) in (a, b):
            return (2, 2), (b if a == (2, 2) else a)
    for a, b in candidates:
        if keys[a] != first:
            return a, b
    return None


def answer_exit_yes(session, proc, wid, settings, x, y):
    """Answers the open exit question with Y and checks the saved position."""
    box = session.find_window("Kelvaro")
    expect(box != wid, "the exit question opens its own window")
    session.poll(lambda: session.focused() == box, 5, "the exit question to take the keyboard")
    session.key("y")
    proc.wait(timeout=10)
    expect(proc.returncode == 0, "Yes ends the program")
    with open(settings) as f:
        text = f.read()
    flat = text.replace(" ", "")
    expect("[SetLog]" in text and f"frmMainX={x * 15}" in flat and f"frmMainY={y * 15}" in flat,
           "the position is saved in twips: " + text.strip().replace("\n", " | "))
