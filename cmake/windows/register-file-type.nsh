; Registers the register files (.rvx2a2) with the program: a ProgID with the program's icon and an
; open command that passes the file, offered for the extension and made its default.
WriteRegStr SHCTX "Software\Classes\Orvan2a.Registerdatei" "" "Registerdatei des Orvan 2a/2b"
WriteRegStr SHCTX "Software\Classes\Orvan2a.Registerdatei\DefaultIcon" "" "$INSTDIR\orvan2a.exe,0"
WriteRegStr SHCTX "Software\Classes\Orvan2a.Registerdatei\shell\open\command" "" '"$INSTDIR\orvan2a.exe" "%1"'
WriteRegStr SHCTX "Software\Classes\.rvx2a2" "" "Orvan2a.Registerdatei"
WriteRegStr SHCTX "Software\Classes\.rvx2a2\OpenWithProgids" "Orvan2a.Registerdatei" ""
; SHCNE_ASSOCCHANGED: Explorer shows the new icon at once.
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
