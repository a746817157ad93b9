# bash completion for celforo-calc: its options, the targets' names after
# --target, and nothing after the other options that take a value (numbers,
# FROM:TO:STEP, WxH or a date).
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
    --extraction | --focal-length | --magnification | --focal-ratio | --image-scale | \
      --sampling | --target-pixels | --aperture | --pixel-size | --pixels | --wavelength | \
      --date)
      return 0
      ;;
  esac
  case $current in
    -*)
      local options="--tsv --header --extraction --focal-length --magnification --focal-ratio
                     --image-scale --sampling --target-pixels --aperture --pixel-size --pixels
                     --wavelength --target --date --help --version"
      mapfile -t COMPREPLY < <(compgen -W "$options" -- "$current")
      ;;
  esac
  return 0
}
complete -F _celforo_calc celforo-calc
