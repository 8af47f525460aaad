# bash completion for orvan2a-cli: commands, options, register files and the COM ports that open.

_orvan2a_cli_ports() {
    local ports
    ports=$("${COMP_WORDS[0]}" ports 2>/dev/null | cut -f1)
    mapfile -t COMPREPLY < <(compgen -W "$ports" -- "$cur")
    # A device path is a port too.
    [[ $cur == /* ]] && mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -f -- "$cur")
}

_orvan2a_cli_register_files() {
    _filedir rvx2a2
}

_orvan2a_cli() {
    local cur prev words cword
    _init_completion || return

    # Skip "--trace FILE" in front of the command.
    local first=1
    if [[ ${words[1]} == --trace ]]; then
        if ((cword == 2)); then
            _filedir
            return
        fi
        first=3
    fi
    if ((cword == first)); then
        local commands="ports read send factory-reset verify show diff backups export import set"
        ((first == 1)) && commands+=" --trace --help --version"
        mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur")
        return
    fi

    local command=${words[first]}
    local position=$((cword - first))
    # The option right after "send" and "import" and, for import, its file.
    local option
    case $command in
        send) option=--verify ;;
        import) option=--base ;;
    esac
    if [[ -n $option ]]; then
        if ((position == 1)) && [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "$option" -- "$cur")
            return
        fi
        if [[ ${words[first + 1]} == "$option" ]]; then
            ((position--))
            if [[ $option == --base ]]; then
                ((position == 1)) && { _orvan2a_cli_register_files; return; }
                ((position--))
            fi
        fi
    fi
    case $command in
        read | send | factory-reset | verify)
            case $position in
                1) _orvan2a_cli_ports ;;
                2) _orvan2a_cli_register_files ;;
            esac
            ;;
        show) ((position == 1)) && _orvan2a_cli_register_files ;;
        diff) ((position <= 2)) && _orvan2a_cli_register_files ;;
        export)
            case $position in
                1) _orvan2a_cli_register_files ;;
                2) _filedir ;;
            esac
            ;;
        import)
            case $position in
                1) _filedir ;;
                2) _orvan2a_cli_register_files ;;
            esac
            ;;
        set) ((position == 1)) && _orvan2a_cli_register_files ;;
    esac
} &&
    complete -F _orvan2a_cli orvan2a-cli
