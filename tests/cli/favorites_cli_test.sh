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

printf '7300,65701\r\n\r\n' >"$file"
message="$("$cli" favorites add 王 华 2>&1)"; check "malformed exit" 1 $?
[[ "$message" == *"第 2 行"* ]]; check "malformed names the line" 0 $?
check "malformed file untouched" "$(printf '7300,65701\r\n\r\n')" "$(cat "$file")"

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
