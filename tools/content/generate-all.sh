#!/usr/bin/env bash
# Regenerates everything in content/ from the sources in tools/content/: pages (wmf, wmf2),
# worksheets and catalogue (multiple), sounds (wav), pictures and maps (Images), logo (logo).
# Needs the packages of install-generator-deps.sh. Usage: tools/content/generate-all.sh
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
content="$(cd "$here/../.." && pwd)/content"
python=/usr/bin/python3   # Debian's, which has python3-pil and python3-numpy
cd "$here"
mkdir -p "$content"
"$python" pages.py texts/pages "$content/wmf" "$content/wmf2"
"$python" make_worksheets.py texts/worksheets "$content/multiple"
# The Welsh topics (Llandudno, the Isles of Scilly): pages ("cy key scilly1a.wmf"), worksheets and
# topic variants.
"$python" pages.py texts/cy/pages "$content/wmf" "$content/wmf2" "cy "
"$python" make_worksheets.py texts/cy/worksheets "$content/multiple"
"$python" topic_variants.py cy texts/cy "$content/topics"
# The renderer tests' metafiles, which are also the fuzzer's seeds (fuzz/wmf/corpus).
"$python" test_metafiles.py "$here/../../tests/platform/metafiles"
"$python" sounds.py "$content/wav"
"$python" pictures.py "$content"
"$python" maps.py "$content/Images"
# Llandudno: five panoramas with their quiz pictures, and the three maps of its activities.
"$python" llandudno_pictures.py "$content/Images"
"$python" llandudno_maps.py "$content/Images"
# Isles of Scilly: Human Geography, Economy, Living by the sea (pages and worksheets above)
"$python" scillypictures.py "$content/Images"
"$python" scillymaps.py "$content/Images"
# St Lucia: five panoramas with their quiz pictures, and the maps of its activities.
"$python" stlucia_pictures.py "$content/Images"
"$python" stlucia_maps.py "$content/Images"
du -sh "$content"
