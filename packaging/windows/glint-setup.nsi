; The Windows setup program of Glint: installs the authoring program's own folder (dist-win32/)
; for the current user under %LOCALAPPDATA%\Programs\Glint, where the user can write, so that the
; program writes its packages into the folder "制作好的屏幕程序" beside it as anywhere else. A
; Start-menu shortcut and an entry among the user's installed programs, with an uninstaller that
; removes what was installed and asks whether to keep the shows the user made. Setup and uninstaller
; speak the user's interface language as the authoring program does: Simplified Chinese for any
; Chinese, English for every other, without asking.
; makensis -DVERSION=1.0 -DVERSION4=1.0.0.0 -DDIST=dist-win32 -DICON=icon.ico -DOUTFILE=setup.exe glint-setup.nsi

Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define NAME_ZH "Glint 屏幕保护制作"
!define NAME_EN "Glint Screensaver Maker"
!define PUBLISHER "Glint"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Glint"
!define PACKAGES "制作好的屏幕程序"
; The Start-menu shortcut bears the name in the installing user's language. Setup removes the one
; of the other language before making its own, so that a setup run again in the other language
; leaves one shortcut; the uninstaller removes both.
!define SHORTCUT "$SMPROGRAMS\$(GlintName).lnk"
!define SHORTCUT_ZH "$SMPROGRAMS\${NAME_ZH}.lnk"
!define SHORTCUT_EN "$SMPROGRAMS\${NAME_EN}.lnk"

OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Glint"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Glint ${VERSION}"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=2052 "ProductName" "${NAME_ZH}"
VIAddVersionKey /LANG=2052 "FileDescription" "${NAME_ZH} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "Glint developers, MIT licence"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME_EN}"
VIAddVersionKey /LANG=1033 "FileDescription" "${NAME_EN} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Glint developers, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\glintmaker.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${DIST}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; English first: the language of every user whose interface language is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString GlintName ${LANG_ENGLISH} "${NAME_EN}"
LangString GlintName ${LANG_SIMPCHINESE} "${NAME_ZH}"
LangString KeepShows ${LANG_ENGLISH} \
  "Keep the screensavers you made in the folder “${PACKAGES}”?$\r$\n$\r$\nChoose No to delete them."
LangString KeepShows ${LANG_SIMPCHINESE} \
  "保留您在“${PACKAGES}”文件夹中制作的屏幕保护程序吗？$\r$\n$\r$\n选“否”将删除它们。"
Name "$(GlintName)"

; Chinese when the user's interface language is any Chinese (primary language LANG_CHINESE, 4),
; else English: the authoring program's own rule.
!macro PickLanguage
  System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
  IntOp $0 $0 & 0x3FF
  ${If} $0 = 4
    StrCpy $LANGUAGE ${LANG_SIMPCHINESE}
  ${Else}
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${EndIf}
!macroend

Function .onInit
  !insertmacro PickLanguage
FunctionEnd

Function un.onInit
  !insertmacro PickLanguage
FunctionEnd

Section "Glint"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${DIST}\glintmaker.exe"
  File "${DIST}\pb.sys"
  File "${DIST}\sp.sys"
  File "${DIST}\pb.htm"
  File "${DIST}\pb_en.htm"
  File "${DIST}\LICENSE.txt"
  SetOutPath "$INSTDIR\pic"
  File "${DIST}\pic\*.jpg"
  SetOutPath "$INSTDIR\pic\en"
  File "${DIST}\pic\en\*.jpg"
  ; The Linux player and installer, which the authoring program puts into a show's single file
  ; for Linux.
  SetOutPath "$INSTDIR\linux"
  File "${DIST}\linux\pb.sys"
  File "${DIST}\linux\sp.sys"
  File "${DIST}\linux\third-party-notices.txt"
  ; The package folder: made empty, and left as it is when it holds the user's work.
  CreateDirectory "$INSTDIR\${PACKAGES}"
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  Delete "${SHORTCUT_ZH}"
  Delete "${SHORTCUT_EN}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\glintmaker.exe" "" "$INSTDIR\glintmaker.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "$(GlintName)"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\glintmaker.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "${SHORTCUT_ZH}"
  Delete "${SHORTCUT_EN}"
  Delete "$INSTDIR\glintmaker.exe"
  Delete "$INSTDIR\pb.sys"
  Delete "$INSTDIR\sp.sys"
  Delete "$INSTDIR\pb.htm"
  Delete "$INSTDIR\pb_en.htm"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\pic\en\*.jpg"
  RMDir "$INSTDIR\pic\en"
  Delete "$INSTDIR\pic\*.jpg"
  RMDir "$INSTDIR\pic"
  Delete "$INSTDIR\linux\pb.sys"
  Delete "$INSTDIR\linux\sp.sys"
  Delete "$INSTDIR\linux\third-party-notices.txt"
  RMDir "$INSTDIR\linux"
  ; The shows the user made stay unless the user says to remove them; a silent uninstallation
  ; (/S), where nobody is asked, keeps them.
  Call un.PackagesHoldFiles
  Pop $0
  ${If} $0 == 1
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 "$(KeepShows)" /SD IDYES IDYES keep
    RMDir /r "$INSTDIR\${PACKAGES}"
    keep:
  ${Else}
    RMDir "$INSTDIR\${PACKAGES}"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Pushes 1 when the package folder holds any file or folder, else 0.
Function un.PackagesHoldFiles
  StrCpy $2 0
  FindFirst $0 $1 "$INSTDIR\${PACKAGES}\*"
  ${DoWhile} $1 != ""
    ${If} $1 != "."
    ${AndIf} $1 != ".."
      StrCpy $2 1
      ${Break}
    ${EndIf}
    FindNext $0 $1
  ${Loop}
  FindClose $0
  Push $2
FunctionEnd
