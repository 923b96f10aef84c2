#!/usr/bin/env bash
# Fresh-machine check: builds a minimal Debian 12 (bookworm) in a temporary
# folder, clones the committed HEAD of this repository into it for an ordinary
# user with passwordless sudo, and runs ./test.sh there as that user. Nothing of
# the build toolchain is there beforehand, so the check passes only when the
# project's own set-up installs everything it needs. At the end it lists the
# Debian packages the set-up installed, the time taken, the exit status and
# ctest's closing summary.
#
# Run it before closing work that changes the set-up (scripts/setup.sh, ./run.sh,
# ./test.sh). It does not run in CI: it takes a full build and test run from
# nothing plus a few minutes for the new system.
#
#   sudo scripts/fresh_machine_check.sh [--keep]
#   sudo env FRESH_CHECK_COMMAND='sudo -n true && id' scripts/fresh_machine_check.sh
#
#   --keep               keep the folder (unmounted) for inspection
#   --help               this text
#   FRESH_CHECK_COMMAND  command line run in the clone instead of ./test.sh
#   FRESH_CHECK_LOG      where the command's whole output is kept
#                        (default /tmp/fresh_machine_check.log)
#   TMPDIR               where the temporary folder is made (default /var/tmp)
#
# It needs root for debootstrap, chroot and the mounts. Everything it writes is
# inside its temporary folder, except FRESH_CHECK_LOG (and, when debootstrap is
# missing, the apt-get install of it on this machine). The exit status is the
# command's.
set -euo pipefail

PROG=fresh_machine_check
USER_NAME=builder
USER_HOME=/home/$USER_NAME
CLONE=$USER_HOME/brennick
SUITE=bookworm
DEFAULT_MIRROR=http://deb.debian.org/debian
COMMAND=${FRESH_CHECK_COMMAND:-./test.sh}
USER_LOG=${FRESH_CHECK_LOG:-/tmp/fresh_machine_check.log}
KEEP=false

usage() {
  sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "${BASH_SOURCE[0]}"
}

say() { printf '%s: %s\n' "$PROG" "$*"; }
warn() { printf '%s: %s\n' "$PROG" "$*" >&2; }
die() { warn "$*"; exit 1; }

while [ $# -gt 0 ]; do
  case "$1" in
    --keep) KEEP=true; shift ;;
    -h|--help) usage; exit 0 ;;
    *) warn "unknown option '$1' (try --help)"; exit 2 ;;
  esac
done

if [ "$(id -u)" -ne 0 ]; then
  die "needs root for debootstrap, chroot and mounts: run it as 'sudo $0' (variables through 'sudo env NAME=VALUE $0')"
fi
for tool in chroot mount umount mountpoint findmnt git mknod ps; do
  command -v "$tool" > /dev/null || die "'$tool' is missing on this machine"
done

# "1h 02m 03s", "4m 05s" or "6.2s" from microseconds.
duration() {
  local us=$1 s
  s=$((us / 1000000))
  if [ "$s" -ge 3600 ]; then
    printf '%dh %02dm %02ds' $((s / 3600)) $((s % 3600 / 60)) $((s % 60))
  elif [ "$s" -ge 60 ]; then
    printf '%dm %02ds' $((s / 60)) $((s % 60))
  else
    printf '%d.%ds' "$s" $((us % 1000000 / 100000))
  fi
}
now_us() { local t=${EPOCHREALTIME/[.,]/}; printf '%s' "$t"; }
CHECK_START=$(now_us)

# ---------------------------------------------------------------- the folder
WORK=""
ROOTFS=""
CHILD=""    # the long-running step in the background (debootstrap, the command)
TEE_PID=""
CLEANED=false

# The functions down to in_background run from the traps, which shellcheck
# does not follow (SC2317).

# Mount points at or below the folder, deepest first. The folder's path is
# checked below to hold no character that findmnt would escape.
# shellcheck disable=SC2317
mounts_below() {
  [ -n "$WORK" ] || return 0
  findmnt -rn -o TARGET | awk -v d="$WORK" 'index($0, d "/") == 1 || $0 == d' | sort -r
}

# Processes whose root is inside the new system: all of them were started by
# this check (the command, the servers or agents it left, dpkg).
# shellcheck disable=SC2317
chroot_pids() {
  [ -n "$ROOTFS" ] || return 0
  find /proc -mindepth 2 -maxdepth 2 -name root \( -lname "$ROOTFS" -o -lname "$ROOTFS/*" \) \
    2> /dev/null | cut -d/ -f3
}

# The processes below one (by parent id), e.g. what debootstrap runs outside
# the new system.
# shellcheck disable=SC2317
descendants() {
  ps -e -o pid=,ppid= 2> /dev/null | awk -v top="$1" '
    { parent[$1] = $2 }
    END {
      for (p in parent)
        for (q = parent[p]; q in parent || q == top; q = parent[q])
          if (q == top) { print p; break }
    }'
}

# "PID:START" for each given process that still runs (a zombie has ended):
# with its start time, an id kept for a while never names a later process that
# got the same number.
# shellcheck disable=SC2317
running() {
  local pid stat rest
  for pid in "$@"; do
    stat=$(cat "/proc/${pid%%:*}/stat" 2> /dev/null) || continue
    rest=${stat##*) }  # after the command's name, which may hold spaces
    # shellcheck disable=SC2086  # the fields of /proc/PID/stat
    set -- $rest
    case "$1" in Z|X) continue ;; esac
    if [[ $pid == *:* ]] && [ "${pid#*:}" != "${20}" ]; then continue; fi
    printf '%s:%s ' "${pid%%:*}" "${20}"
  done
}

# Ends what this check started and left running: the background step with all
# below it, and everything inside the new system, each by its id as found
# above. TERM first; after 5 s the step is stopped (so that it starts nothing
# new) and all are sent KILL. Ids once found are kept: the orphans of an ended
# process are no longer found below the step.
# shellcheck disable=SC2317
stop_processes() {
  local round procs p known="" termed=" "
  for round in $(seq 1 20); do
    if [ "$round" -eq 11 ] && [ -n "$CHILD" ]; then kill -s STOP "$CHILD" 2> /dev/null; fi
    if [ -n "$CHILD" ]; then
      # shellcheck disable=SC2046  # a list of ids
      known+=$(running "$CHILD" $(descendants "$CHILD"))
    fi
    # shellcheck disable=SC2086,SC2046  # lists of ids
    procs=$(running $known $(chroot_pids) | tr ' ' '\n' | sort -u | tr '\n' ' ')
    known=$procs
    [ -n "${procs// /}" ] || return 0
    for p in $procs; do
      if [ "$round" -gt 10 ]; then
        kill -s KILL "${p%%:*}" 2> /dev/null
      elif [[ $termed != *" $p "* ]]; then
        kill -s TERM "${p%%:*}" 2> /dev/null
        termed+="$p "
      fi
    done
    sleep 0.5
  done
  warn "processes still running after KILL: $procs"
}

# shellcheck disable=SC2317
unmount_all() {
  local m tries
  for tries in 1 2 3; do
    [ -n "$(mounts_below)" ] || return 0
    for m in dev sys proc; do
      if mountpoint -q "$ROOTFS/$m"; then umount -R "$ROOTFS/$m" 2> /dev/null; fi
    done
    # Anything else, e.g. left by an interrupted debootstrap.
    while read -r m; do
      if [ -n "$m" ] && mountpoint -q "$m"; then umount -R "$m" 2> /dev/null; fi
    done < <(mounts_below)
    [ -n "$(mounts_below)" ] || return 0
    sleep 1
    : "$tries"
  done
  # Last resort: detached now, freed when the last user of it ends.
  warn "mounts still busy, unmounting them lazily"
  while read -r m; do
    if [ -n "$m" ]; then umount -R -l "$m" 2> /dev/null; fi
  done < <(mounts_below)
}

# shellcheck disable=SC2317
cleanup() {
  local rc=$? left
  set +e
  # A second interrupt must not stop the unmounting half-way, nor a reader of
  # the output that has gone (Ctrl-C also ends a pipe the check was sent to).
  trap '' INT TERM PIPE
  $CLEANED && exit "$rc"
  CLEANED=true
  [ -n "$WORK" ] || exit "$rc"
  stop_processes
  if [ -n "$TEE_PID" ]; then
    # The log's writer ends when the command's last process has.
    for _ in 1 2 3 4 5 6; do kill -0 "$TEE_PID" 2> /dev/null || break; sleep 0.5; done
    kill "$TEE_PID" 2> /dev/null
    wait "$TEE_PID" 2> /dev/null
  fi
  unmount_all
  left=$(mounts_below)
  if [ -n "$left" ]; then
    warn "still mounted below $WORK, so the folder is left as it is:"
    printf '  %s\n' "$left" >&2
  elif $KEEP; then
    say "kept (nothing mounted): $WORK"
  else
    say "nothing left mounted; removing $WORK"
    if ! rm -rf --one-file-system -- "$WORK" 2> /dev/null; then
      # Something still wrote there: once more after ending it.
      stop_processes
      [ -n "$(mounts_below)" ] || rm -rf --one-file-system -- "$WORK"
    fi
    if [ -e "$WORK" ]; then warn "could not remove $WORK entirely"; fi
  fi
  exit "$rc"
}

# shellcheck disable=SC2317
on_signal() {
  trap '' PIPE
  warn "$1: stopping"
  stop_processes
  exit "$2"
}

trap cleanup EXIT
trap 'on_signal interrupted 130' INT
trap 'on_signal terminated 143' TERM

# A long step in the background, so that an interrupt is handled at once:
# in_background OUTPUT COMMAND... The output is redirected here, for the step
# alone: a redirection of the call would hold for the traps too. The step gets
# the usual handling of Ctrl-C back (bash ignores it in background steps), so
# that the tests see the signals as in a run of their own.
in_background() {
  local rc=0 output=$1
  shift
  (trap - INT QUIT; exec "$@") > "$output" 2>&1 &
  CHILD=$!
  wait "$CHILD" || rc=$?
  CHILD=""
  return "$rc"
}

# ------------------------------------------------------------ the repository
SCRIPT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BASE=${TMPDIR:-/var/tmp}
BASE=$(realpath -e -- "$BASE") || die "no folder $BASE for the check"
WORK=$(mktemp -d "$BASE/$PROG.XXXXXXXX")
case "$WORK" in
  *[!A-Za-z0-9/._-]*) d=$WORK; WORK=""; rmdir -- "$d"
                      die "the folder's path '$d' has characters the mount checks do not handle: set TMPDIR to a plain path" ;;
esac
ROOTFS=$WORK/root
LOG=$WORK/command.log
mkdir -m 0755 "$ROOTFS"

# git sees the repository as root: the repository may be a developer's, which
# git otherwise refuses to read as another user.
printf '[safe]\n\tdirectory = *\n' > "$WORK/gitconfig"
export GIT_CONFIG_GLOBAL=$WORK/gitconfig GIT_CONFIG_NOSYSTEM=1
REPO=$(git -C "$SCRIPT_DIR" rev-parse --show-toplevel)
HEAD_LINE=$(git -C "$REPO" log -1 --format='%h %s')
say "repository $REPO at $HEAD_LINE"
if [ -n "$(git -C "$REPO" --no-optional-locks status --porcelain --untracked-files=no)" ]; then
  say "(uncommitted changes there are not part of the check: only HEAD is cloned)"
fi
say "folder $WORK"

# ------------------------------------------------------------ the new system
if ! command -v debootstrap > /dev/null; then
  say "installing debootstrap on this machine"
  if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap; then
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
  fi
fi

# The main archive of this machine's apt sources (not the security one).
host_mirror() {
  local uri=""
  if [ -r /etc/apt/sources.list.d/debian.sources ]; then
    uri=$(awk '
      function stanza_end() {
        if (uri != "" && deb && main && enabled && found == "") found = uri
        uri = ""; deb = 0; main = 0; enabled = 1
      }
      BEGIN { enabled = 1 }
      /^[ \t]*#/ { next }
      /^[ \t]*$/ { stanza_end(); next }
      tolower($1) == "types:" { for (i = 2; i <= NF; i++) if ($i == "deb") deb = 1 }
      tolower($1) == "uris:" { uri = $2 }
      tolower($1) == "suites:" { for (i = 2; i <= NF; i++) if ($i !~ /-security$/) main = 1 }
      tolower($1) == "enabled:" && tolower($2) == "no" { enabled = 0 }
      END { stanza_end(); if (found != "") print found }
    ' /etc/apt/sources.list.d/debian.sources)
  fi
  if [ -z "$uri" ] && [ -r /etc/apt/sources.list ]; then
    uri=$(awk '
      $1 == "deb" && $0 !~ /security/ {
        i = 2
        if ($i ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
        if (i <= NF) { print $i; exit }
      }' /etc/apt/sources.list)
  fi
  case "$uri" in
    http://*|https://*|ftp://*|file://*) printf '%s\n' "${uri%/}" ;;
    *) printf '%s\n' "$DEFAULT_MIRROR" ;;
  esac
}
MIRROR=$(host_mirror)

say "building a minimal Debian $SUITE from $MIRROR (a few minutes; log: $WORK/debootstrap.log)"
if ! in_background "$WORK/debootstrap.log" \
    debootstrap --variant=minbase --include=git,ca-certificates,sudo "$SUITE" "$ROOTFS" "$MIRROR"; then
  tail -n 25 "$WORK/debootstrap.log" >&2
  [ -f "$ROOTFS/debootstrap/debootstrap.log" ] && tail -n 25 "$ROOTFS/debootstrap/debootstrap.log" >&2
  die "debootstrap failed"
fi

# Files written into the new system replace what is there: a symbolic link
# there (e.g. resolv.conf) would otherwise lead the write out to this machine.
put_file() {  # put_file MODE PATH-INSIDE [SOURCE], else the content from standard input
  local dest=$ROOTFS$2
  rm -f -- "$dest"
  cat ${3:+"$3"} > "$dest"
  chmod "$1" "$dest"
}

# The same package versions as here: this machine's Debian sources.
rm -f -- "$ROOTFS/etc/apt/sources.list"
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
  put_file 0644 /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list.d/debian.sources
fi
if [ -f /etc/apt/sources.list ]; then
  grep -E '^[[:space:]]*deb(-src)?[[:space:]].*debian' /etc/apt/sources.list \
    | put_file 0644 /etc/apt/sources.list || true
  [ -s "$ROOTFS/etc/apt/sources.list" ] || rm -f -- "$ROOTFS/etc/apt/sources.list"
fi
if [ ! -f "$ROOTFS/etc/apt/sources.list.d/debian.sources" ] && [ ! -f "$ROOTFS/etc/apt/sources.list" ]; then
  printf 'deb %s %s main\n' "$MIRROR" "$SUITE" | put_file 0644 /etc/apt/sources.list
fi
put_file 0644 /etc/resolv.conf /etc/resolv.conf
HOST_NAME=$(hostname 2> /dev/null || cat /proc/sys/kernel/hostname)
put_file 0644 /etc/hosts <<EOF
127.0.0.1	localhost
127.0.1.1	$HOST_NAME
::1	localhost ip6-localhost ip6-loopback
EOF
# Packages installed in the new system start no services: they would share
# this machine's network and keep the folder busy.
printf '#!/bin/sh\nexit 101\n' | put_file 0755 /usr/sbin/policy-rc.d

# ------------------------------------------------------------------- mounts
mount_system() {
  local dev=$ROOTFS/dev node
  mount -t proc -o nosuid,nodev,noexec proc "$ROOTFS/proc"
  mount -t sysfs -o ro,nosuid,nodev,noexec sysfs "$ROOTFS/sys"
  # A /dev of its own, with only the usual nodes: nothing done inside reaches
  # this machine's devices.
  mount -t tmpfs -o nosuid,noexec,mode=0755,size=1m tmpfs "$dev"
  for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
    IFS=: read -r name major minor <<< "$node"
    if ! mknod -m 0666 "$dev/$name" c "$major" "$minor" 2> /dev/null; then
      touch "$dev/$name"
      mount --bind "/dev/$name" "$dev/$name"
    fi
  done
  ln -s /proc/self/fd "$dev/fd"
  ln -s /proc/self/fd/0 "$dev/stdin"
  ln -s /proc/self/fd/1 "$dev/stdout"
  ln -s /proc/self/fd/2 "$dev/stderr"
  mkdir -m 0755 "$dev/pts"
  mkdir -m 1777 "$dev/shm"
  mount -t devpts -o newinstance,ptmxmode=0666,mode=0620,gid=5,nosuid,noexec devpts "$dev/pts"
  ln -s pts/ptmx "$dev/ptmx"
  mount -t tmpfs -o nosuid,nodev,mode=1777 tmpfs "$dev/shm"
}
mount_system

# ----------------------------------------------------------- user and clone
chroot "$ROOTFS" /usr/sbin/useradd --create-home --user-group --shell /bin/bash "$USER_NAME"
printf '%s ALL=(ALL:ALL) NOPASSWD: ALL\n' "$USER_NAME" | put_file 0440 "/etc/sudoers.d/$USER_NAME"
chroot "$ROOTFS" /usr/sbin/visudo -c -q -f "/etc/sudoers.d/$USER_NAME"

# As a fresh clone from a remote sees it: committed HEAD, reachable objects only.
git clone --quiet --no-hardlinks "file://$REPO" "$ROOTFS$CLONE"
chroot "$ROOTFS" /bin/chown -R -h "$USER_NAME:$USER_NAME" "$CLONE"

# shellcheck disable=SC2016  # a dpkg-query format, not a shell expansion
packages() { chroot "$ROOTFS" /usr/bin/dpkg-query -W -f='${Package}\n' | LC_ALL=C sort -u; }
packages > "$WORK/packages.before"

# -------------------------------------------------------------- the command
: > "$LOG"
: > "$USER_LOG"
mkfifo -m 0600 "$WORK/output.fifo"
tee -a "$LOG" "$USER_LOG" < "$WORK/output.fifo" &
TEE_PID=$!
say "running as $USER_NAME in $CLONE: $COMMAND"
say "(output also in $USER_LOG)"
COMMAND_START=$(now_us)
STATUS=0
# shellcheck disable=SC2016  # expanded by the user's shell inside
in_background "$WORK/output.fifo" chroot "$ROOTFS" /usr/sbin/runuser -u "$USER_NAME" -- \
  /usr/bin/env -i HOME="$USER_HOME" USER="$USER_NAME" \
  PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games LANG=C.UTF-8 \
  /bin/bash -c 'cd "$HOME/brennick" && eval "$1"' "$PROG" "$COMMAND" || STATUS=$?
COMMAND_END=$(now_us)
wait "$TEE_PID" || true
TEE_PID=""

packages > "$WORK/packages.after"
ADDED=$(LC_ALL=C comm -13 "$WORK/packages.before" "$WORK/packages.after")
ADDED_COUNT=$(printf '%s' "$ADDED" | grep -c . || true)

# ctest's closing lines: the share that passed, the time, the failed tests.
ctest_summary() {
  awk '
    /^[0-9]+% tests passed/ { print; block = 0; next }
    /^Total Test time/ { print; block = 0; next }
    /^The following tests FAILED:/ { print; block = 1; next }
    block && /^[ \t]/ { print; next }
    { block = 0 }
  ' "$LOG"
}

summary() {
  local ctest_lines
  echo
  echo "== Fresh-machine check of $HEAD_LINE"
  echo "Command:              $COMMAND (as $USER_NAME in a minimal Debian $SUITE)"
  if [ "$ADDED_COUNT" -gt 0 ]; then
    echo "Packages installed:   $ADDED_COUNT: $(printf '%s' "$ADDED" | tr '\n' ' ')"
  else
    echo "Packages installed:   0"
  fi
  echo "Command wall time:    $(duration $((COMMAND_END - COMMAND_START)))"
  echo "Whole check:          $(duration $(($(now_us) - CHECK_START))) (before the folder is removed)"
  echo "Command exit status:  $STATUS"
  ctest_lines=$(ctest_summary)
  if [ -n "$ctest_lines" ]; then
    echo "ctest:"
    printf '%s\n' "$ctest_lines" | sed 's/^/  /'
  else
    echo "ctest:                no summary in the output"
  fi
  echo "Log:                  $USER_LOG"
}
summary | tee -a "$USER_LOG"
exit "$STATUS"
