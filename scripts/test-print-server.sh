# Sourced by test.sh: starts a CUPS scheduler (unless one runs already) with a cups-pdf queue,
# and tells the printing test where to find it through LCCD_TEST_CUPS_QUEUE and
# LCCD_TEST_CUPS_OUTPUT. Without root or without cups the test skips itself.

print_server_pid=
print_server_output=
# One queue per run, so that test runs of several checkouts at once keep out of each other's way.
print_server_queue=lccdtest-$$

start_print_server() {
    if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
        echo "No CUPS print server for the tests (needs root and cups); the printing test is skipped."
        return 0
    fi
    if ! lpstat -r 2>/dev/null | grep -q "is running"; then
        mkdir -p /run/cups
        /usr/sbin/cupsd -f >/dev/null 2>&1 &
        print_server_pid=$!
        tries=0
        until lpstat -r 2>/dev/null | grep -q "is running"; do
            tries=$((tries + 1))
            if [ "$tries" -gt 50 ]; then
                echo "cupsd did not start; the printing test is skipped."
                return 0
            fi
            sleep 0.2
        done
    fi
    print_server_output=$(mktemp -d /tmp/lccd-cups-pdf.XXXXXX)
    printf 'Out %s\n' "$print_server_output" >"/etc/cups/cups-pdf-$print_server_queue.conf"
    # The queue's A4 and A5 papers get unequal margins on all four sides (left 14, top 42,
    # right 28, bottom 28 points), as real printers have, so that tests can tell which way the
    # margins turn with a landscape page.
    ppd="$print_server_output/queue.ppd"
    sed -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "14 28 567 800"|' \
        -e 's|^\*ImageableArea A5/A5: .*|*ImageableArea A5/A5: "14 28 393 553"|' \
        /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$ppd"
    if lpadmin -p "$print_server_queue" -E -v "cups-pdf:/$print_server_queue" \
        -P "$ppd" 2>/dev/null; then
        export LCCD_TEST_CUPS_QUEUE="$print_server_queue"
        export LCCD_TEST_CUPS_OUTPUT="$print_server_output"
    else
        echo "Could not create the cups-pdf queue; the printing test is skipped."
    fi
}

stop_print_server() {
    if [ -n "$print_server_output" ]; then
        lpadmin -x "$print_server_queue" 2>/dev/null || true
        rm -rf "$print_server_output" "/etc/cups/cups-pdf-$print_server_queue.conf"
    fi
    if [ -n "$print_server_pid" ]; then
        kill "$print_server_pid" 2>/dev/null || true
    fi
}
