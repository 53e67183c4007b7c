#!/bin/sh
# Runs a Windows program under Wine, in the prefix and locale the environment names.
#
# Wine's services start with the first program of a session and last until the server ends,
# a few seconds after that program, holding its output open all the while: ctest would wait
# for them after every test. Started first by a program of their own whose output goes
# nowhere, they hold nothing of the program's.
wine cmd /c exit </dev/null >/dev/null 2>&1
exec wine "$@"
