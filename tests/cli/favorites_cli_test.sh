#!/usr/bin/env bash
# lumivane-cli favorites on a favourites file in a throw-away data home.
set -u
cli="$1"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export XDG_DATA_HOME="$home"
file="$home/Velisora/Favorites.Velisora"
failures=0
check() {  # label, expected, actual
    if [[ "$2" != "$3" ]]; then
        echo "FAIL $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

check "add reports in Chinese" "已加入 7300,65701（收藏夹共 1 个）" "$("$cli" favorites add 华 生坤)"
"$cli" favorites add 欧阳 建华 >/dev/null
"$cli" favorites add 华 生坤 >/dev/null
check "sorted, unique, CR LF" "$(printf '70320345,196645\r\n7300,65701\r\n')" "$(cat "$file")"
check "list" "$(printf '欧阳建华\t70320345,196645\n华生坤\t7300,65701')" "$("$cli" favorites list)"
"$cli" favorites list --json | grep -q '"given": "生坤"'; check "json" 0 $?

check "remove reports in Chinese" "已移出 7300,65701（收藏夹共 1 个）" "$("$cli" favorites remove 华 生坤)"
check "removed" "$(printf '70320345,196645\r\n')" "$(cat "$file")"
"$cli" favorites remove 华 生坤 2>/dev/null; check "remove absent" 2 $?
"$cli" favorites add 王 A 2>/dev/null; check "given not in dictionary" 2 $?

# What an editor leaves (a byte-order mark, blank lines, blanks, doubled CRs)
# is no damage: the file stays usable and the next write tidies it.
printf '\xEF\xBB\xBF7300,65701 \r\r\n\r\n\n' >"$file"
check "editor leftovers list" "$(printf '华生坤\t7300,65701')" "$("$cli" favorites list)"
"$cli" favorites add 华 生坤 >/dev/null; check "editor leftovers add exit" 0 $?
check "editor leftovers tidied" "$(printf '7300,65701\r\n')" "$(cat "$file")"

printf '7300,65701\r\nabc\r\n4294967368,4294967332\r\n' >"$file"
message="$("$cli" favorites add 王 华 2>&1)"; check "malformed exit" 1 $?
[[ "$message" == *"第 2 行"* ]]; check "malformed names the line" 0 $?
[[ "$message" == *"favorites repair"* ]]; check "malformed offers the way out" 0 $?
check "malformed file untouched" "$(printf '7300,65701\r\nabc\r\n4294967368,4294967332\r\n')" "$(cat "$file")"
"$cli" favorites list >/dev/null 2>&1; check "malformed list exit" 1 $?
"$cli" favorites repair >/dev/null; check "repair exit" 0 $?
check "repair keeps the favourites" "$(printf '7300,65701\r\n')" "$(cat "$file")"
check "repair sets the damaged lines aside" "$(printf 'abc\r\n4294967368,4294967332\r\n')" \
    "$(cat "$file.damaged")"
"$cli" favorites add 王 华 >/dev/null; check "add after repair" 0 $?

# Listing only reads: no data folder or file is made for it.
rm -rf "$home/Velisora"
check "list of no file" "" "$("$cli" favorites list)"
[[ ! -e "$home/Velisora" ]]; check "list creates nothing" 0 $?

# Names are read as every command reads them: trimmed, one or two characters.
check "trimmed names" "已加入 7300,65701（收藏夹共 1 个）" "$("$cli" favorites add ' 华 ' ' 生坤 ')"
"$cli" favorites add 王王王 明 2>/dev/null; check "three-character family" 2 $?

# A linked file stays linked: the target changes, the link stays a link.
mkdir -p "$home/synced"
mv "$file" "$home/synced/Favorites.Velisora"
ln -s "$home/synced/Favorites.Velisora" "$file"
"$cli" favorites add 欧阳 建华 >/dev/null; check "add through a link" 0 $?
[[ -L "$file" ]]; check "link kept" 0 $?
check "target written" 2 "$(grep -c , "$home/synced/Favorites.Velisora")"
chmod 0444 "$home/synced/Favorites.Velisora"
"$cli" favorites add 王 明 2>/dev/null; check "read-only file refused" 1 $?
check "read-only file untouched" 2 "$(grep -c , "$home/synced/Favorites.Velisora")"
rm -f "$file"

# A traditional family name is kept as its simplified record: one line for both.
rm -f "$file"
"$cli" favorites add 張 明 >/dev/null; check "traditional add exit" 0 $?
"$cli" favorites add 张 明 >/dev/null
check "traditional and simplified are one favourite" 1 "$(grep -c , "$file")"
"$cli" favorites add 丂 明 2>/dev/null; check "family character without a record" 2 $?

# Twenty writers at the same moment: each one's favourite is kept.
rm -f "$file"
pids=()
for given in 明 华 生 建 文 军 海 国 志 红 丽 强 燕 刚 梅 萍 娟 长 秋 婷; do
    "$cli" favorites add 王 "$given" >/dev/null &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
check "concurrent adds exit" 0 "$status"
check "concurrent adds all kept" 20 "$(grep -c , "$file")"

exit $((failures > 0))
