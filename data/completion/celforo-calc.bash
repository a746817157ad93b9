# bash completion for celforo-calc: its options, and nothing after those that
# take a value (numbers, FROM:TO:STEP or WxH).
_celforo_calc() {
  local current=${COMP_WORDS[COMP_CWORD]}
  local previous=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()
  case $previous in
    --extraction | --focal-length | --magnification | --focal-ratio | --image-scale | \
      --aperture | --pixel-size | --pixels)
      return 0
      ;;
  esac
  case $current in
    -*)
      local options="--tsv --header --extraction --focal-length --magnification --focal-ratio
                     --image-scale --aperture --pixel-size --pixels --help --version"
      mapfile -t COMPREPLY < <(compgen -W "$options" -- "$current")
      ;;
  esac
  return 0
}
complete -F _celforo_calc celforo-calc
