#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts what was installed, from there only:
# the command-line program deals a game, and the window program starts, finds its data through
# the link in bin, and keeps the player's files in the desktop's data folder.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr
cmake --install "$build" --prefix "$prefix" > "$root/install.log"

for file in bin/marlowe bin/marlowe-cli share/applications/org.marlowe.Marlowe.desktop \
            share/metainfo/org.marlowe.Marlowe.metainfo.xml share/icons/hicolor/scalable/apps/org.marlowe.Marlowe.svg \
            share/icons/hicolor/48x48/apps/org.marlowe.Marlowe.png share/man/man1/marlowe-cli.1; do
  [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done

cd "$root"
"$prefix/bin/marlowe-cli" deal 1 0000000000001 | grep -q '^Fila8=' || { echo "the installed marlowe-cli deals no game"; exit 1; }

export HOME=$root/home XDG_DATA_HOME=$root/home/.local/share QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
timeout 60 "$prefix/bin/marlowe" --report-start
[ -e "$XDG_DATA_HOME/Marlowe/Cfg.dat" ] || { echo "the installed program kept no preferences"; exit 1; }
if find "$prefix/lib" -newer "$root/install.log" -type f | grep -q .; then
  echo "the installed program wrote into its program folder:"; find "$prefix/lib" -newer "$root/install.log" -type f
  exit 1
fi
echo "installed, started and dealt"
