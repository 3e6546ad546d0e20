"""What the install checks share: collect every failed check, then report them together."""
import sys

failures = []


def check(ok, message):
    if not ok:
        failures.append(message)
        print("FAIL:", message)
    return ok


def finish(what):
    if failures:
        print("%d problem(s) in the %s" % (len(failures), what))
        sys.exit(1)
    print(what, "OK")
