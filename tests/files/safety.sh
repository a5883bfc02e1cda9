#!/bin/bash
# ign-convert as an attacker and a careless user would try it: links planted
# by another user, signals during a save, a file appearing during a save.
# Needs root (for another user, setpriv), strace (to hold a save at a chosen
# system call or make it fail) and setfacl; exits 77 (skipped) without them.
#
#   safety.sh PROGRAM EXAMPLES_DIR
set -euo pipefail

program=$1
examples=$2
if [ "$(id -u)" != 0 ]; then
  echo "SKIP: needs root to act as a second user"
  exit 77
fi
for tool in strace setpriv setfacl; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (make deps installs it)"; exit 77; }
done

# A root folder that only root may enter (as in some build chroots) keeps
# every other user from running anything at all.
if ! setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
  echo "SKIP: another user cannot run programs on this system (is / closed to others?)"
  exit 77
fi

# A sanitized build's leak check cannot run under strace (ptrace), and would
# fail the runs held there at exit.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

work=$(mktemp -d /tmp/ign-safety.XXXXXX)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
input=$examples/kart-100.ign
passed=0

Fail() {
  echo "FAIL: $*" >&2
  exit 1
}
Ok() {
  echo "ok: $1"
  passed=$((passed + 1))
}

# Links: a link planted by another user in a sticky folder open to all is
# not followed; the root-only file it points at stays as it was.
mkdir -m 700 "$work/private"
echo secret >"$work/private/secret"
chmod 600 "$work/private/secret"
mkdir -m 1777 "$work/shared"
setpriv --reuid=65534 --regid=65534 --clear-groups ln -s "$work/private/secret" "$work/shared/x.ign"
set +e
message=$("$program" -f "$input" -o "$work/shared/x.ign" 2>&1)
status=$?
set -e
[ $status = 1 ] || Fail "planted link: exit $status"
[ "$message" = "ign-convert: $work/shared/x.ign: Open file error! (Permission denied)" ] ||
  Fail "planted link: $message"
[ "$(cat "$work/private/secret")" = secret ] || Fail "the planted link was written through"
Ok "links: another user's link in a shared sticky folder refused"

# Permissions: a file of another user keeps its owner after -f as root.
cp "$input" "$work/theirs.ign"
chown 65534:65534 "$work/theirs.ign"
chmod 640 "$work/theirs.ign"
"$program" -f "$input" -o "$work/theirs.ign"
[ "$(stat -c %u:%g:%a "$work/theirs.ign")" = 65534:65534:640 ] ||
  Fail "owner or mode changed: $(stat -c %u:%g:%a "$work/theirs.ign")"
# And a user who may write the folder but not chown keeps the group he can.
mkdir -m 777 "$work/open"
setpriv --reuid=65534 --regid=65534 --clear-groups "$program" "$input" -o "$work/open/new.ign"
[ "$(stat -c %u:%a "$work/open/new.ign")" = "65534:$(printf '%o' $((0666 & ~0$(umask))))" ] ||
  Fail "a user's new file: $(stat -c %u:%a "$work/open/new.ign")"
Ok "permissions: owner, group and mode kept"

# Permissions: a target whose ACL cannot be given to its replacement (made to
# fail here) is not replaced, and the message says why.
cp "$input" "$work/acl.ign"
setfacl -m u:65534:--- "$work/acl.ign"
set +e
message=$(strace -f -o /dev/null -e trace=fsetxattr -e inject=fsetxattr:error=ENOSPC \
  "$program" -f "$examples/enduro-250.ign" -o "$work/acl.ign" 2>&1)
status=$?
set -e
[ $status = 1 ] || Fail "ACL not kept: exit $status"
[ "$message" = "ign-convert: $work/acl.ign: Open file error! (its access control list cannot be kept)" ] ||
  Fail "ACL not kept: $message"
cmp -s "$work/acl.ign" "$input" || Fail "a file whose ACL could not be kept was replaced"
[ -z "$(find "$work" -name '*.tmp')" ] || Fail "ACL not kept left: $(find "$work" -name '*.tmp')"
Ok "permissions: a file whose ACL cannot be kept is not replaced"

# Durability: a folder that cannot be synced after the rename fails the
# save with a message, for -o and -d alike, as a crash could still lose it.
for output in -o -d; do
  rm -rf "$work/out"
  mkdir "$work/out"
  target=$work/out
  [ $output = -o ] && target=$work/out/kart-100.ign
  set +e
  message=$(strace -f -o /dev/null -e trace=fsync -e inject=fsync:error=EIO \
    "$program" "$input" $output "$target" 2>&1)
  status=$?
  set -e
  [ $status = 1 ] || Fail "folder sync $output: exit $status"
  [ "$message" = "ign-convert: $work/out/kart-100.ign: Write file error! (Input/output error)" ] ||
    Fail "folder sync $output: $message"
done
Ok "durability: a folder that cannot be synced fails the save"

# Durability: a batch whose file system cannot be synced, on the way (every
# 128 files) or at the end, puts none of its files in place and leaves
# nothing.
rm -rf "$work/out" "$work/in"
mkdir "$work/out" "$work/in"
for i in $(seq 1 130); do cp "$input" "$work/in/$i.ign"; done
set +e
message=$(strace -f -o /dev/null -e trace=syncfs -e inject=syncfs:error=EIO \
  "$program" -d "$work/out" "$work"/in/*.ign 2>&1)
status=$?
set -e
[ $status = 1 ] || Fail "batch sync: exit $status"
[ "$(echo "$message" | grep -c 'Write file error! (Input/output error)')" = 130 ] ||
  Fail "batch sync: $(echo "$message" | head -3)"
[ -z "$(ls -A "$work/out")" ] || Fail "batch sync left: $(ls -A "$work/out" | head -3)"
Ok "durability: a batch that cannot be synced puts nothing in place"

# Runs PROGRAM ARGS... under strace, which holds it for HOLD seconds when it
# enters SYSCALL, and sends SIGNAL (if any) meanwhile. Sets status.
Held() {
  local syscall=$1 hold=$2 signal=$3
  shift 3
  # A background job starts with SIGINT and SIGQUIT ignored; the program
  # must meet them as from a terminal.
  rm -f "$work/pid"
  env --default-signal=INT,QUIT strace -f -o /dev/null -e trace="$syscall" \
    -e inject="$syscall:delay_enter=${hold}000000" \
    sh -c 'echo $$ >"$0"; exec "$@"' "$work/pid" "$@" 2>"$work/held.err" &
  local tracer=$! deadline=$((SECONDS + 10))
  until [ -s "$work/pid" ]; do
    [ $SECONDS -lt $deadline ] || Fail "the held program did not start"
    sleep 0.1
  done
  sleep 1
  if [ -n "$signal" ]; then
    kill -"$signal" "$(cat "$work/pid")"
  fi
  set +e
  { wait $tracer; } 2>/dev/null
  status=$?
  set -e
}

# Signals: a save held where its file waits to be made durable, then
# interrupted, leaves nothing behind.
for signal in INT TERM HUP QUIT; do
  rm -rf "$work/out"
  mkdir "$work/out"
  cp "$input" "$work/out/kart-100.ign"
  Held fdatasync,syncfs 4 "$signal" "$program" -f -d "$work/out" "$input" "$examples/enduro-250.ign"
  [ "$(ls -A "$work/out")" = kart-100.ign ] || Fail "SIG$signal left: $(ls -A "$work/out")"
  cmp -s "$work/out/kart-100.ign" "$input" || Fail "SIG$signal changed the old file"
done
Ok "signals: SIGINT, SIGTERM, SIGHUP and SIGQUIT during a save leave no temporary file"

# Races: a file made between the conversion and the rename is not replaced.
rm -rf "$work/out"
mkdir "$work/out"
(sleep 1 && echo theirs >"$work/out/kart-100.ign") &
Held linkat,renameat2 3 "" "$program" -d "$work/out" "$input"
wait
[ $status = 1 ] || Fail "race: exit $status"
grep -q "kart-100.ign: Output file exists" "$work/held.err" || Fail "race: $(cat "$work/held.err")"
[ "$(cat "$work/out/kart-100.ign")" = theirs ] || Fail "the file made meanwhile was replaced"
[ "$(ls -A "$work/out")" = kart-100.ign ] || Fail "race left: $(ls -A "$work/out")"
Ok "races: no-clobber holds against a file made during the save"

echo "$passed passed, 0 failed"
