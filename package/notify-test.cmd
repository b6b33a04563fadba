@echo off
rem notify-test.cmd: runs Spoolcat's "Notify command" once, now, with
rem SPOOLCAT_EVENT=test and made-up figures, to try the command without
rem waiting for a night. It reads the value where Spoolcat reads it and only
rem reads it, so it may run while Spoolcat runs.
rem
rem Exit code: 0 the command started (whatever its own exit code), 1 there is
rem no command Spoolcat would run, 2 Windows would not find its program.
rem
rem The value may hold any character, and cmd reads % & | < > ^ " as its own
rem syntax wherever a line is parsed after %...% put them there. So the value
rem lives in variables set with quotes around the whole assignment, its
rem quotes stand in as {quote} until the very end, and it is run through
rem !...!, which cmd expands after it has parsed the line.
setlocal EnableExtensions DisableDelayedExpansion

set "KEY=Software\Venmora\Spoolcat"
set "NAME=Notify command"

rem Windows XP (version 5) keeps Spoolcat's settings under the machine's key,
rem later versions under the user's. "ver" ends with the version:
rem "Microsoft Windows XP [Version 5.1.2600]", "... [Version 10.0.19045.3570]".
set "VERSION="
for /f "delims=" %%l in ('ver') do set "VERSION=%%l"
for %%w in (%VERSION%) do set "VERSION=%%w"
set "MAJOR=0"
for /f "delims=.[] " %%m in ("%VERSION%") do set /a "MAJOR=%%m" 2>nul
set "ROOT=HKEY_CURRENT_USER"
if %MAJOR% GTR 5 goto :read
set "ROOT=HKEY_LOCAL_MACHINE"
rem Spoolcat is a 32-bit program: on a 64-bit Windows XP it reads the
rem machine's 32-bit view, which a 64-bit reg.exe sees under Wow6432Node.
if /i not "%PROCESSOR_ARCHITECTURE%"=="x86" set "KEY=Software\Wow6432Node\Venmora\Spoolcat"

:read
echo Windows %VERSION%: Spoolcat reads its settings under %ROOT%\%KEY%
rem reg.exe writes "    Notify command    REG_SZ    <data>", with blanks or
rem tabs between the columns depending on the Windows; the data is the rest
rem of the line, blanks included.
set "TYPE="
set "COMMAND="
for /f "tokens=1,2,3,*" %%a in ('reg query "%ROOT%\%KEY%" /v "%NAME%" 2^>nul') do (
  if /i "%%a %%b"=="%NAME%" (
    set "TYPE=%%c"
    set "COMMAND=%%d"
  )
)
if not defined TYPE (
  echo There is no "%NAME%" value there: Spoolcat runs nothing.
  goto :nothing
)
if /i not "%TYPE%"=="REG_SZ" if /i not "%TYPE%"=="REG_EXPAND_SZ" (
  echo The "%NAME%" value is a %TYPE%, not a REG_SZ or a REG_EXPAND_SZ:
  echo Spoolcat ignores it and runs nothing.
  goto :nothing
)
if not defined COMMAND (
  echo The "%NAME%" value is empty: Spoolcat runs nothing.
  goto :nothing
)
set "SAFE=%COMMAND:"={quote}%"
set "LENGTH=%COMMAND:"=.%"
if not "%LENGTH:~0,2047%"=="%LENGTH%" (
  echo The "%NAME%" value is longer than 2,047 characters:
  echo Spoolcat ignores it and runs nothing.
  goto :nothing
)

rem The made-up facts, as Spoolcat hands them to the command. Set before a
rem REG_EXPAND_SZ is expanded: Spoolcat expands it when no SPOOLCAT_ variable
rem exists, keeps such references as written, and the command's own cmd
rem expands them when it runs; here they become the same text at once.
set "SPOOLCAT_EVENT=test"
set "SPOOLCAT_STATUS=Testing the notify command"
set "SPOOLCAT_LOADED=3"
set "SPOOLCAT_UNLOADED=2"
set "SPOOLCAT_REJECTED=1"
for /f "tokens=1,2 delims=: " %%h in ("%TIME%") do set "SPOOLCAT_STARTED=%DATE% %%h:%%i"

rem A REG_EXPAND_SZ: each %NAME% of a defined variable becomes its value, as
rem Windows expands it for Spoolcat. Carets stand aside too, as CALL doubles them.
set "SAFE=%SAFE:^={caret}%"
if /i "%TYPE%"=="REG_EXPAND_SZ" call set "SAFE=%SAFE%"

rem Windows looks for the program the way Spoolcat's start does: the quoted
rem text at the start, or the first word, with .exe added when it has no
rem extension; without a folder, beside spoolcat.exe (beside this file),
rem then in the system folders and the PATH.
set "PROGRAM="
if "%SAFE:~0,7%"=="{quote}" for /f "delims={" %%p in ("%SAFE:~7%") do set "PROGRAM=%%p"
if not defined PROGRAM for /f "tokens=1" %%p in ("%SAFE%") do set "PROGRAM=%%p"
for %%p in ("%PROGRAM%") do (
  set "FILE=%%~p"
  if "%%~xp"=="" set "FILE=%%~p.exe"
)
set "SAFE=%SAFE:&=^&%"
set "SAFE=%SAFE:|=^|%"
set "SAFE=%SAFE:<=^<%"
set "SAFE=%SAFE:>=^>%"
set "SAFE=%SAFE:{caret}=^^%"
rem Unquoted, with every quote and special character escaped: this set
rem leaves exactly the value, quotes included.
set COMMAND=%SAFE:{quote}=^"%

set "FOUND="
set "BARE=%FILE:\=%"
set "BARE=%BARE::=%"
rem (No "else" here: Wine's cmd runs both branches of an if that holds a for.)
if not "%BARE%"=="%FILE%" for %%f in ("%FILE%") do if exist "%%~ff" set "FOUND=%%~ff"
if "%BARE%"=="%FILE%" for %%f in ("%FILE%") do (
  if exist "%~dp0%%~f" set "FOUND=%~dp0%%~f"
  if not defined FOUND if exist "%SystemRoot%\System32\%%~f" set "FOUND=%SystemRoot%\System32\%%~f"
  if not defined FOUND if exist "%SystemRoot%\%%~f" set "FOUND=%SystemRoot%\%%~f"
  if not defined FOUND set "FOUND=%%~$PATH:f"
)
rem A folder of that name is no program.
set "ATTRIBUTES="
if defined FOUND for %%f in ("%FOUND%") do set "ATTRIBUTES=%%~af"
if /i "%ATTRIBUTES:~0,1%"=="d" set "FOUND="

rem The summary's lines are joined by CR LF, as Spoolcat joins them; where
rem this cmd cannot make them, by a blank. A CR LF never passes through
rem %...%, which would end the line there.
call :line_break
setlocal EnableDelayedExpansion
set "BREAK= "
if defined CR if defined LF set "BREAK=!CR!!LF!"
set "SPOOLCAT_SUMMARY=3 discs loaded, 2 unloaded, 1 to the reject bin; job started !SPOOLCAT_STARTED!!BREAK!A test from notify-test.cmd: the robot did nothing"

echo The command:
echo   !COMMAND!
if not defined FOUND (
  echo Windows cannot find the program "%FILE%": the command would not
  echo start, and Spoolcat's taskbar tooltip would say so in its last line.
  set "EXIT=2"
  goto :finish
)

rem Spoolcat starts the command in the user's folder and never waits for it;
rem here it runs in this window so that what it writes can be read.
echo Running it now with SPOOLCAT_EVENT=test, in %USERPROFILE% ...
echo ------------------------------------------------------------------------
cd /d "%USERPROFILE%"
!COMMAND!
set "CODE=!ERRORLEVEL!"
echo ------------------------------------------------------------------------
echo The command started. It ended with exit code !CODE!, which Spoolcat
echo never looks at: whether the mail or the message went out, only the
echo command knows.
set "EXIT=0"
goto :finish

rem CR and LF, each alone in a variable: copy /z writes a CR to its
rem progress line, and an escaped line end followed by an empty line is an LF.
:line_break
set "CR="
for /f %%c in ('copy /z "%~f0" nul') do set "CR=%%c"
set LF=^


goto :eof

:nothing
set "EXIT=1"
:finish
rem Started from Explorer ("cmd /c" and this file) the window would close
rem before it can be read. CMDCMDLINE is copied whole by !...!, after
rem parsing, as its quotes could leave a < or > of it outside them.
setlocal EnableDelayedExpansion
set "LAUNCH=!CMDCMDLINE!"
if defined LAUNCH set "LAUNCH=%LAUNCH:"=%"
if defined LAUNCH if /i not "%LAUNCH: /c =%"=="%LAUNCH%" pause
exit /b %EXIT%
