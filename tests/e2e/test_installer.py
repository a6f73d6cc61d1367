"""The release files end to end: what the portable zip holds; the per-user setup.exe and its
uninstaller run silently under Wine, over a running calendar too; the settings window's
start-at-log-on box, clicked and keyed for real; a copy run where a DLL lies in wait."""

import os
import re
import shutil
import subprocess
import zipfile

from harness import CALENDAR, SETTINGS, TIMEOUT, LunadeskCase, eventually
from test_lunadesk import CLOSE, SETTINGS_MARK

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lunadesk"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
APPROVED_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
OLDER = "0.9.0"
BOX, CLOSE_MARK, CHECK_BUTTON, CHECKED = (120, 3600), (2760, 0), 0x2C, 0x10
# Known DLLs of Windows 7 on, and the common controls from the store the manifest names.
KNOWN_DLLS = {"advapi32", "comctl32", "gdi32", "imm32", "kernel32", "msvcrt", "shell32", "user32"}

def release(build, kind):
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as cache:
        version = re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.+)$", cache.read(), re.M)[1]
    return version, os.path.join(build, f"Lunadesk-{version}-{kind}")


class Installer(LunadeskCase):
    def test_install_upgrade_repair_over_the_running_calendar_refusal_uninstall_and_zip(self):
        build = os.path.dirname(self.session.exe)
        version, setup = release(build, "setup.exe")
        # An older release of the same files: only the installer's version differs.
        older = os.path.join(self.prefix, f"Lunadesk-{OLDER}-setup.exe")
        subprocess.run(["makensis", "-V1", "-INPUTCHARSET", "UTF8", f"-DVERSION={OLDER}",
                        f"-DSTAGE={build}/package/Lunadesk-{version}", f"-DOUTFILE={older}",
                        f"-DICON={build}/app/lunadesk.ico", "../../installer/lunadesk.nsi"],
                       check=True, timeout=TIMEOUT)
        # Shortcuts would otherwise turn into desktop files in the home folder.
        self.env["WINEDLLOVERRIDES"] += ";winemenubuilder.exe=d"
        user = next(u for u in os.listdir(f"{self.prefix}/drive_c/users") if u != "Public")
        home = f"{self.prefix}/drive_c/users/{user}/AppData"
        folder, exe = f"{home}/Local/Programs/Lunadesk", rf"C:\users\{user}\AppData\Local\Programs\Lunadesk"
        shortcut = f"{home}/Roaming/Microsoft/Windows/Start Menu/Programs/Lunadesk 日历.lnk"

        def install(setup, *args, expect=0):
            self.assertEqual(self.wine(setup, "/S", *args)[0], expect)

        def assert_installed(version):
            self.assertEqual(sorted(os.listdir(folder)),
                             ["LICENSE", "README.txt", "lunadesk.exe", "uninstall.exe"])
            self.assertTrue(os.path.isfile(shortcut), "no Start-menu shortcut")
            self.assertEqual(self.registry(RUN_KEY)["Lunadesk"], rf'"{exe}\lunadesk.exe" /autostart')
            entry = self.registry(UNINSTALL_KEY)
            self.assertGreater(entry.pop("EstimatedSize"), 100)
            self.assertEqual(entry, {
                "DisplayName": "Lunadesk 日历", "DisplayVersion": version, "Publisher": "Lunadesk",
                "DisplayIcon": rf"{exe}\lunadesk.exe", "InstallLocation": exe,
                "UninstallString": rf'"{exe}\uninstall.exe"', "NoModify": 1, "NoRepair": 1,
                "QuietUninstallString": rf'"{exe}\uninstall.exe" /S'})

        install(older)
        assert_installed(OLDER)
        install(setup)
        assert_installed(version)
        self.assertEqual(self.xids(CALENDAR), [], "started though it was not running")
        window = self.launch(exe=rf"{exe}\lunadesk.exe")
        before = self.stored(lambda v: len(v) == 10)

        # Its settings box shows the installer's entry; a click and Space untick and tick it,
        # writing what the installer wrote, and it shows so when opened again.
        def open_box():
            self.click(window, self.element(window, *SETTINGS_MARK))
            self.read_until(lambda w: w["visible"], SETTINGS)
            settings = self.probe("--accessible", SETTINGS)[0]
            box = self.element(settings, *BOX, cls="Button")
            self.assertEqual((box["name"], box["role"], box["state"] & CHECKED),
                             ("开机时启动", CHECK_BUTTON, CHECKED))
            return settings, box
        entry = lambda: self.registry(RUN_KEY).get("Lunadesk")  # noqa: E731
        command, (settings, box) = entry(), open_box()
        self.click(settings, box)
        self.assertIsNone(eventually(entry, lambda v: v is None))
        self.x("xdotool", "key", "space")
        self.assertEqual(eventually(entry, lambda v: v == command), command)
        self.click(settings, self.element(settings, *CLOSE_MARK))
        self.assertEqual(eventually(lambda: self.xids(SETTINGS), lambda ids: not ids), [])
        open_box()

        # Switched off in Task Manager meanwhile: the mark goes with a ticked install, and with
        # the uninstaller.
        def mark():
            self.wine("reg", "add", APPROVED_KEY, "/v", "Lunadesk", "/t", "REG_BINARY",
                      "/d", "030000000000000000000000", "/f")
            self.assertIn("Lunadesk", self.registry(APPROVED_KEY))
        mark()
        # A repair over the running calendar: closed, then started again in the background.
        install(setup)
        self.assertNotIn("Lunadesk", self.registry(APPROVED_KEY))
        self.assertEqual(self.program.wait(TIMEOUT), 0)
        self.assertEqual(len(eventually(lambda: self.xids(CALENDAR), bool, TIMEOUT)), 1)
        self.assertNotEqual(self.probe("foreground")[0]["title"], CALENDAR)
        assert_installed(version)
        built = os.stat(f"{folder}/lunadesk.exe").st_mtime_ns
        install(older, expect=10)
        assert_installed(version)
        self.assertEqual(os.stat(f"{folder}/lunadesk.exe").st_mtime_ns, built)

        # The uninstaller goes on from a copy of itself, closing the calendar first.
        mark()
        self.assertEqual(self.wine(f"{folder}/uninstall.exe", "/S")[0], 0)
        self.assertFalse(eventually(lambda: os.path.exists(folder), lambda e: not e, TIMEOUT))
        self.assertEqual(self.xids(CALENDAR), [])
        self.assertFalse(os.path.exists(shortcut), "the shortcut stayed")
        self.assertNotIn("Lunadesk", self.registry(RUN_KEY))
        self.assertNotIn("Lunadesk", self.registry(APPROVED_KEY))
        self.assertEqual(self.registry(UNINSTALL_KEY), {})
        self.assertEqual(self.stored(), before)

        # Installed elsewhere, it is upgraded where it is.
        install(older, r"/D=C:\Apps\Lunadesk")
        install(setup)
        self.assertEqual(os.path.getsize(f"{self.prefix}/drive_c/Apps/Lunadesk/lunadesk.exe"),
                         os.path.getsize(self.session.exe))

        with zipfile.ZipFile(release(build, "portable.zip")[1]) as z:
            self.assertEqual(sorted(z.namelist()), ["LICENSE", "README.txt", "lunadesk.exe"])
            self.assertIn(f"Lunadesk 日历 {version}\r\n", z.read("README.txt").decode("utf-8-sig"))

    def test_a_copy_in_downloads_loads_no_dll_lying_beside_it(self):
        imports = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", self.session.exe],
                                 capture_output=True, text=True, check=True).stdout
        self.assertLessEqual({n.lower() for n in re.findall(r"DLL Name: (\w+)\.dll", imports, re.I)},
                             KNOWN_DLLS)
        downloads = os.path.join(self.prefix, "drive_c", "Downloads")
        os.makedirs(downloads)
        for program in (self.session.exe, self.session.probe,
                        os.path.join(os.path.dirname(self.session.probe), "planted", "oleacc.dll")):
            shutil.copy(program, downloads)
        self.env["WINEDLLOVERRIDES"] += ";oleacc=n,b"  # the program's folder first, as on Windows
        self.launch(exe=os.path.join(downloads, "lunadesk.exe"))
        heard = self.element(self.probe("--accessible", CALENDAR)[0], *CLOSE)
        self.assertEqual(heard["name"], "关闭", "the system's oleacc did not answer")
        # The probe beside it, which imports oleacc by name, does load the planted one.
        self.assertNotEqual(self.wine(os.path.join(downloads, "lunadesk_probe.exe"), "tip")[0], 0)
