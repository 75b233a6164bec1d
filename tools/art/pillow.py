"""Makes sure the running interpreter can import Pillow."""
import os
import sys

SYSTEM_PYTHON = "/usr/bin/python3"


def ensure_pillow():
    """Re-runs the script under the system Python (Debian's python3-pil) when the
    interpreter first on PATH, for example a private one, lacks Pillow."""
    try:
        import PIL  # noqa: F401
    except ImportError:
        if os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON) \
                and os.path.exists(SYSTEM_PYTHON):
            os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON] + sys.argv)
        raise
