#!/usr/bin/env bash
# Local demo download sites on 127.0.0.1: an HTTP form site, an FTP site and an e-mail site.
# What they receive goes into run/demo-sites/inbox/, listed on the HTTP site's front page.
# Usage: scripts/demo-sites.sh start|stop|status|where, or point WORKSPACE (aims a copy of the
# demo workspace at these ports).
# Ports: SHIPKIT_DEMO_HTTP_PORT (18080), SHIPKIT_DEMO_FTP_PORT (18021),
# SHIPKIT_DEMO_SMTP_PORT (18025).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SERVERS="$ROOT/scripts/demo-sites"
STATE="$ROOT/run/demo-sites"
INBOX="$STATE/inbox"
# Debian's Python: the one on PATH may not see python3-pyftpdlib and python3-aiosmtpd.
PYTHON=/usr/bin/python3
HTTP_PORT="${SHIPKIT_DEMO_HTTP_PORT:-18080}"
FTP_PORT="${SHIPKIT_DEMO_FTP_PORT:-18021}"
SMTP_PORT="${SHIPKIT_DEMO_SMTP_PORT:-18025}"
SITES=(http ftp smtp)

port_of() {
    case "$1" in
    http) echo "$HTTP_PORT" ;;
    ftp) echo "$FTP_PORT" ;;
    smtp) echo "$SMTP_PORT" ;;
    esac
}

env_of() { echo "SHIPKIT_DEMO_${1^^}_PORT"; }

# The server's command line, into the array ARGS.
arguments_of() {
    ARGS=("$PYTHON" "$SERVERS/$1_site.py" "$(port_of "$1")" "$INBOX")
    [ "$1" != ftp ] || ARGS+=("$STATE/ftp-root")
}

answers() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# The pid of our running server for a site (on whatever port), or nothing.
running_pid() {
    local file="$STATE/$1.pid" pid
    [ -f "$file" ] || return 0
    pid="$(cat "$file")"
    if kill -0 "$pid" 2>/dev/null && tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q "/$1_site.py "; then
        echo "$pid"
    fi
}

serves_port() { tr '\0' ' ' <"/proc/$1/cmdline" | grep -q "_site.py $2 "; }

start_one() {
    local site="$1" port pid log
    port="$(port_of "$site")"
    log="$STATE/$site.log"
    pid="$(running_pid "$site")"
    if [ -n "$pid" ] && serves_port "$pid" "$port"; then
        echo "Demo $site site already running on 127.0.0.1:$port"
        return 0
    fi
    # Started earlier on another port: the port asked for now wins.
    [ -z "$pid" ] || stop_one "$site"
    if answers "$port"; then
        echo "Port $port (demo $site site) is taken by another program." >&2
        echo "Stop that program, or choose another port: $(env_of "$site")=PORT $0 start" >&2
        return 1
    fi
    arguments_of "$site"
    setsid "${ARGS[@]}" >"$log" 2>&1 </dev/null &
    pid=$!
    echo "$pid" >"$STATE/$site.pid"
    for _ in $(seq 100); do
        if answers "$port"; then
            echo "Demo $site site started on 127.0.0.1:$port (log: $log)"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "The demo $site site did not start; its log ($log) ends with:" >&2
    tail -n 5 "$log" >&2
    kill "$pid" 2>/dev/null || true
    rm -f "$STATE/$site.pid"
    return 1
}

stop_one() {
    local pid
    pid="$(running_pid "$1")"
    rm -f "$STATE/$1.pid"
    [ -n "$pid" ] || return 0
    kill "$pid"
    echo "Demo $1 site stopped"
}

status_one() {
    local pid
    pid="$(running_pid "$1")"
    if [ -n "$pid" ]; then
        echo "Demo $1 site running on 127.0.0.1:$(port_of "$1") (pid $pid)"
    else
        echo "Demo $1 site not running"
        return 1
    fi
}

where() {
    echo "What the demo sites received: $INBOX"
    echo "Their front page, newest first: http://127.0.0.1:$HTTP_PORT/"
}

mkdir -p "$STATE" "$INBOX"
case "${1:-}" in
start)
    for site in "${SITES[@]}"; do start_one "$site"; done
    where
    ;;
where) where ;;
stop) for site in "${SITES[@]}"; do stop_one "$site"; done ;;
status)
    rc=0
    for site in "${SITES[@]}"; do status_one "$site" || rc=3; done
    exit "$rc"
    ;;
point)
    [ -n "${2:-}" ] || { echo "Usage: $0 point WORKSPACE" >&2 && exit 2; }
    "$PYTHON" "$SERVERS/point_workspace.py" "$2" "$HTTP_PORT" "$FTP_PORT" "$SMTP_PORT"
    ;;
*)
    echo "Usage: $0 start|stop|status|where|point WORKSPACE" >&2
    exit 2
    ;;
esac
