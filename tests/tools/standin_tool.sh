#!/bin/sh
# Stand-in for the desktop tools that answer through a file in TEMP (the
# component selection, the plan editor, both profile managers, and an
# internal-force selection that answers with given bytes). Tests copy
# it into EXEC under the tool's name and prepare, in TEMP:
#   <name>.answer  what the tool writes as its answer (absent: the user
#                  cancels, no answer is written); a FIFO or a folder is
#                  put in the answer's place as a link to it
#   <name>.exit    the exit code (absent: 0)
# The tool notes its arguments, one per line, in TEMP/<name>.args.
name=$(basename "$0")
: > "$TEMP/$name.args"
for a in "$@"; do printf '%s\n' "$a" >> "$TEMP/$name.args"; done
case "$name" in
    PartPick.exe) out=PartPick.tmp ;;
    LoadPick.exe) out=LoadPick.res ;;
    ProfDesk|PROFILE) out=PROFIL ;;
    *) out= ;;
esac
if [ -n "$out" ] && [ -f "$TEMP/$name.answer" ]; then cp "$TEMP/$name.answer" "$TEMP/$out";
elif [ -n "$out" ] && [ -e "$TEMP/$name.answer" ]; then ln -s "$TEMP/$name.answer" "$TEMP/$out"; fi
if [ -f "$TEMP/$name.exit" ]; then exit "$(cat "$TEMP/$name.exit")"; fi
exit 0
