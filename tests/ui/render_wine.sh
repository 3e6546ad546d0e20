# The captions' fit under Wine, every language at once, at DPI dots per inch (read from the user's
# registry as a program starts; Wine passes on no QT_ variable):
#   render_wine.sh RENDER_TEST DPI LOCALE...
dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null; }
dpi "$2"
for locale in "${@:3}"; do # Wine's display language is LC_ALL's
    (set -o pipefail; LANGUAGE= LANG= LC_ALL=$locale.UTF-8 wine "$1" --gtest_filter='*Caption*' \
        -platform windows 2>&1 | sed "s/^/$locale: /") &
done
status=0; for job in $(jobs -p); do wait "$job" || status=1; done
dpi 96
exit $status
