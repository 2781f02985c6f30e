# bash completion for r4000ctl. The commands, the msg actions and each command's options are
# read from the tool's own --help, so they are always those of the r4000ctl installed; a
# SYSTEM is completed from the systems of the data folder.
_r4000ctl()
{
    local cur prev words cword
    _init_completion || return

    local i command= action= data=()
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
        --data-dir)
            data=(--data-dir "${words[i + 1]}")
            ((i++))
            ;;
        -*) ;;
        *)
            if [[ -z $command ]]; then
                command=${words[i]}
            elif [[ $command == msg && -z $action ]]; then
                action=${words[i]}
            fi
            ;;
        esac
    done

    case $prev in
    --data-dir | --messages)
        _filedir -d
        return
        ;;
    --to | --csv | --pdf | --password-file | --from)
        _filedir
        return
        ;;
    --interface)
        COMPREPLY=($(compgen -W "$(command ls /sys/class/net 2>/dev/null)" -- "$cur"))
        return
        ;;
    esac

    local IFS=$'\n'
    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W $'-v\n--verbose\n--data-dir\n--help\n--version' -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$(r4000ctl --help 2>/dev/null |
                sed -n 's/^  \([a-z][a-z]*\) .*/\1/p' | sort -u)" -- "$cur"))
        fi
        return
    fi
    if [[ $command == msg && -z $action ]]; then
        COMPREPLY=($(compgen -W "$(r4000ctl msg --help 2>/dev/null |
            sed -n 's/^  \([a-z][a-z]*\) .*/\1/p')" -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(r4000ctl $command $action --help 2>/dev/null |
            sed -n 's/^  \(--[a-z-]*\).*/\1/p')" -- "$cur"))
        return
    fi
    # System names are anybody's text: matched here, never expanded by compgen.
    local name names
    mapfile -t names < <(r4000ctl "${data[@]}" systems 2>/dev/null)
    COMPREPLY=()
    for name in "${names[@]}"; do
        [[ $name == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$name")")
    done
    [[ ${#COMPREPLY[@]} -gt 0 ]] || _filedir
}
complete -F _r4000ctl r4000ctl
