#!/bin/sh
# The Windows companion, run as the tests run the companion: through Wine, with its arguments.
exec wine "${TALLYGLYPH_WINDOWS_CLI:?the cross-built tallyglyph-cli.exe}" "$@"
