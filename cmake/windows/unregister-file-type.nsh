; Removes what register-file-type.nsh wrote; the extension keeps another program's claim.
DeleteRegKey SHCTX "Software\Classes\Orvan2a.Registerdatei"
DeleteRegValue SHCTX "Software\Classes\.rvx2a2\OpenWithProgids" "Orvan2a.Registerdatei"
ReadRegStr $0 SHCTX "Software\Classes\.rvx2a2" ""
StrCmp $0 "Orvan2a.Registerdatei" 0 +2
DeleteRegValue SHCTX "Software\Classes\.rvx2a2" ""
DeleteRegKey /ifempty SHCTX "Software\Classes\.rvx2a2\OpenWithProgids"
DeleteRegKey /ifempty SHCTX "Software\Classes\.rvx2a2"
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
