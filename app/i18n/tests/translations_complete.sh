#!/bin/sh
# translations_complete.sh TOP CHECKER: brings copies of the translation
# sources up to date with the program's texts exactly as
# tools/translations/update does, then lists every message the copies hold
# that is untranslated, gone from the program, or short of a numerus form.
# The sources themselves are left untouched.
set -eu
top=$1
checker=$2
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
cp "$top"/app/i18n/translations/corvanta_*.ts "$copies"/
"$top"/tools/translations/update "$copies"
"$checker" "$copies"/corvanta_*.ts
