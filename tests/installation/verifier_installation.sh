#!/usr/bin/env bash
# Checks of the installed game, as a desktop and a package manager see it.
#   verifier_installation.sh installer BUILD PREFIX
#   verifier_installation.sh entree_bureau|metainfo|pages_manuel|icones|ligne_commande|demarrage PREFIX SOURCE
#   verifier_installation.sh paquet_debian BUILD OUTDIR
set -euo pipefail

id=fr.oskaveri.belvane
tailles=(16 22 24 32 48 64 128 256 512)
verification=$1

echec() {
  echo "FAILED: $*" >&2
  exit 1
}

# Width and height of a PNG, read from its header.
taille_png() {
  local largeur hauteur
  largeur=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  hauteur=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  echo "${largeur}x${hauteur}"
}

installer() {
  local build=$1 prefixe=$2
  rm -rf "$prefixe"
  cmake --install "$build" --prefix "$prefixe" > /dev/null
  [ -x "$prefixe/bin/belvane" ] || echec "no bin/belvane after the installation"
}

entree_bureau() {
  local prefixe=$1
  local fichier=$prefixe/share/applications/$id.desktop
  desktop-file-validate "$fichier" || echec "desktop-file-validate refuses $fichier"
  local exec icone categories
  exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$fichier")
  icone=$(sed -n 's/^Icon=//p' "$fichier")
  categories=$(sed -n 's/^Categories=//p' "$fichier")
  [ -x "$prefixe/bin/$exec" ] || echec "Exec=$exec is not an installed program"
  for t in "${tailles[@]}"; do
    [ -f "$prefixe/share/icons/hicolor/${t}x${t}/apps/$icone.png" ] || echec "Icon=$icone has no ${t}x${t} picture"
  done
  for c in Game CardGame; do
    [[ ";$categories" == *";$c;"* ]] || echec "Categories=$categories lacks $c"
  done
  for cle in Name GenericName Comment; do
    grep -q "^$cle=." "$fichier" || echec "no English $cle"
    grep -q "^$cle\[fr\]=." "$fichier" || echec "no French $cle"
  done
}

metainfo() {
  local prefixe=$1 source=$2
  local fichier=$prefixe/share/metainfo/$id.metainfo.xml
  appstreamcli validate --no-net "$fichier" || echec "appstreamcli refuses $fichier"
  local lanceur
  lanceur=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$fichier")
  [ -f "$prefixe/share/applications/$lanceur" ] || echec "the launchable $lanceur is not installed"
  # Every screenshot named is one of the pictures kept with the sources, at its size.
  local n=0 image largeur hauteur
  while read -r largeur hauteur image; do
    n=$((n + 1))
    local fichierImage=$source/docs/captures/$(basename "$image")
    [ -f "$fichierImage" ] || echec "screenshot $image is not in docs/captures"
    [ "$(taille_png "$fichierImage")" = "${largeur}x${hauteur}" ] || echec "$image is not ${largeur}x${hauteur}"
  done < <(sed -n 's:.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">\(.*\)</image>.*:\1 \2 \3:p' "$fichier")
  [ "$n" -ge 2 ] || echec "fewer than two screenshots"
  # The release described is the version the game announces.
  local version
  version=$("$prefixe/bin/belvane" --version | awk '{print $2}')
  grep -q "<release version=\"$version\"" "$fichier" || echec "no release $version in the metainfo"
  for balise in summary p; do
    grep -q "<$balise xml:lang=\"fr\">" "$fichier" || echec "no French <$balise>"
  done
}

pages_manuel() {
  local prefixe=$1
  local programme page avertissements
  for programme in "$prefixe"/bin/*; do
    programme=$(basename "$programme")
    page=$prefixe/share/man/man6/$programme.6.gz
    [ -f "$page" ] || echec "$programme has no manual page"
    avertissements=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$avertissements" ] || echec "$programme's page: $avertissements"
    zcat "$page" | grep -A1 '^\.SH NAME' | tail -1 | grep -q "^${programme//-/\\\\-} \\\\- " ||
      echec "$programme's page does not name it under NAME"
  done
}

icones() {
  local prefixe=$1
  local t fichier
  for t in "${tailles[@]}"; do
    fichier=$prefixe/share/icons/hicolor/${t}x${t}/apps/$id.png
    [ "$(taille_png "$fichier")" = "${t}x${t}" ] || echec "$fichier is $(taille_png "$fichier"), not ${t}x${t}"
  done
}

ligne_commande() {
  local prefixe=$1
  local belvane=$prefixe/bin/belvane sortie erreur code
  # The terminal answers need no display at all.
  local sans_ecran=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
  sortie=$("${sans_ecran[@]}" "$belvane" --version) || echec "--version fails"
  [[ "$sortie" =~ ^belvane\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || echec "--version says '$sortie'"
  sortie=$("${sans_ecran[@]}" "$belvane" --help) || echec "--help fails"
  [[ "$sortie" == *--version* ]] || echec "--help does not show --version"
  for arguments in "--plein-ecran" "partie" "-platform offscreen"; do
    code=0
    # shellcheck disable=SC2086
    erreur=$("${sans_ecran[@]}" "$belvane" $arguments 2>&1 > /dev/null) || code=$?
    [ "$code" -eq 2 ] || echec "'$arguments' gives status $code, not 2"
    [ "$(printf '%s\n' "$erreur" | wc -l)" -eq 1 ] || echec "'$arguments' gives more than one line: $erreur"
  done
}

demarrage() {
  local prefixe=$1
  local maison
  maison=$(mktemp -d)
  # Its own home, so that the game's first run writes its defaults there.
  HOME=$maison XDG_CONFIG_HOME=$maison/.config QT_QPA_PLATFORM=offscreen "$prefixe/bin/belvane" \
    > "$maison/sortie.txt" 2>&1 &
  local pid=$!
  sleep 3
  if ! kill -0 "$pid" 2> /dev/null; then
    local code=0
    wait "$pid" || code=$?
    cat "$maison/sortie.txt" >&2
    rm -rf "$maison"
    echec "the installed game stopped within 3 seconds (status $code)"
  fi
  kill "$pid"
  wait "$pid" || true
  rm -rf "$maison"
}

paquet_debian() {
  local build=$1 sortie=$2
  rm -rf "$sortie"
  (cd "$build" && cpack -G DEB -B "$sortie" > "$build/cpack.log") || { cat "$build/cpack.log" >&2; echec "cpack"; }
  local deb
  deb=$(ls "$sortie"/belvane_*.deb)
  [ "$(dpkg-deb -f "$deb" Package)" = belvane ] || echec "the package is not called belvane"
  [ "$(dpkg-deb -f "$deb" Section)" = games ] || echec "the package is not in the games section"
  local dependances
  dependances=$(dpkg-deb -f "$deb" Depends)
  # Read from the programs by dpkg-shlibdeps, plus the platform plugins Qt loads.
  for d in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    [[ ", $dependances," == *", $d "* || ", $dependances," == *", $d,"* ]] || echec "Depends lacks $d: $dependances"
  done
  # A program linking Qt's SQL module needs the SQLite driver, which Qt loads at run time.
  local deplie=$sortie/deplie
  dpkg-deb -x "$deb" "$deplie"
  if objdump -p "$deplie"/usr/bin/* | grep -q 'NEEDED *libQt6Sql\.so'; then
    [[ "$dependances" == *libqt6sql6-sqlite* ]] || echec "Qt's SQL module is linked but Depends lacks libqt6sql6-sqlite"
  fi
  local contenu
  contenu=$(dpkg-deb -c "$deb" | awk '{print $6}')
  for f in ./usr/bin/belvane ./usr/bin/belvane-autoplay ./usr/share/applications/$id.desktop \
           ./usr/share/metainfo/$id.metainfo.xml ./usr/share/man/man6/belvane.6.gz \
           ./usr/share/icons/hicolor/48x48/apps/$id.png; do
    grep -qx "$f" <<< "$contenu" || echec "the package lacks $f"
  done
}

case "$verification" in
  installer | paquet_debian) "$verification" "$2" "$3" ;;
  entree_bureau | metainfo | pages_manuel | icones | ligne_commande | demarrage) "$verification" "$2" "${3:-}" ;;
  *) echec "unknown check $verification" ;;
esac
