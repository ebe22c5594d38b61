#!/usr/bin/env bash
# The install walk from the sample's image: make-disc builds and verifies it, the disc is
# staged from the image's own content, and drive Q: reads its label from the image through a
# loop device, with no label file. Where no loop device can be attached, a label file stands
# in and the run is reported as skipped (77), never as passed.
#   image-e2e.sh E2E_TESTS_EXE SETUP_CHECK_EXE STAGED_DISC RUN_DIR
set -euo pipefail
tests=$(realpath "$1") check=$(realpath "$2") staged=$(realpath "$3") run=$(realpath -m "$4")
here=$(dirname "$(realpath "$0")")
walk=Flow.InstallRunGameAndUninstall

# shellcheck source=../../scripts/own-folder.sh
source "$here/../../scripts/own-folder.sh"
make_own_folder "$run"
# This build's setup-check, under Wine, on the disc folder's Windows name.
printf '#!/usr/bin/env bash\nexec %q %q "${@:1:$#-1}" "Z:${*: -1}"\n' "$here/../../scripts/wine-run.sh" \
  "$check" >"$run/setup-check"
chmod +x "$run/setup-check"
# The staged disc holds the x86_64 launcher that Wine runs, and the sample's file of no type.
SETUP_CHECK=$run/setup-check "$here/../../tools/make-disc/make-disc" --x86_64-for-testing \
  --accept-warnings=file-of-no-type "$staged" "$run/sample.iso"
xorriso -report_about WARNING -rockridge off -joliet on -osirrox on -indev "$run/sample.iso" \
  -extract / "$run/from-image" >/dev/null
chmod -R u+w "$run/from-image"

if device=$(losetup -f --show -r "$run/sample.iso" 2>/dev/null); then
  trap 'losetup -d "$device"' EXIT
  echo "image-e2e: $run/sample.iso attached as $device, the device of drive Q:"
  E2E_DISC_DEVICE=$device bash "$here/run-e2e.sh" "$tests" "$run/from-image" "$run/e2e" "$walk"
else
  echo "image-e2e: no loop device could be attached; Q: takes its label from a file: skipped"
  bash "$here/run-e2e.sh" "$tests" "$run/from-image" "$run/e2e" "$walk"
  exit 77
fi
