# bash completion for celforo-calc: its options, the targets' names after
# --target, file names after --setup and --picture, and nothing after the
# other options that take a value (numbers, FROM:TO:STEP, WxH, a date, a site
# or a band).
_celforo_calc() {
  local current=${COMP_WORDS[COMP_CWORD]}
  local previous=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()
  case $previous in
    --target)
      local targets="sun moon mercury venus mars jupiter saturn uranus neptune
                     sole luna mercurio venere marte giove saturno urano nettuno"
      mapfile -t COMPREPLY < <(compgen -W "$targets" -- "$current")
      return 0
      ;;
    --setup | --picture)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -- "$current")
      return 0
      ;;
    --extraction | --focal-length | --magnification | --focal-ratio | --image-scale | \
      --sampling | --target-pixels | --aperture | --pixel-size | --pixels | --wavelength | \
      --date | --field-stop | --grs | --site | --band | --min-altitude | --night)
      return 0
      ;;
  esac
  case $current in
    -*)
      local options="--tsv --header --json --extraction --focal-length --magnification
                     --focal-ratio --image-scale --sampling --target-pixels --aperture
                     --pixel-size --pixels --field-stop --wavelength --target --date --grs
                     --events --site --band --min-altitude --night --setup --solve --picture
                     --help --version"
      mapfile -t COMPREPLY < <(compgen -W "$options" -- "$current")
      ;;
  esac
  return 0
}
complete -F _celforo_calc celforo-calc
