"""The release files end to end: what the portable zip holds, and the per-user setup.exe and
its uninstaller run silently under Wine, over a running calendar too."""

import os
import re
import subprocess
import unittest
import zipfile

from harness import BUILD, CALENDAR, TIMEOUT, LunadeskCase, eventually

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lunadesk"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
OLDER = "0.9.0"


def version(build):
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as cache:
        return re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.+)$", cache.read(), re.M)[1]


class ReleaseFiles(LunadeskCase):
    older = None

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        build = os.path.dirname(cls.session.exe)
        cls.version = version(build)
        cls.setup = os.path.join(build, f"Lunadesk-{cls.version}-setup.exe")
        # An older release of the same files: only the installer's version differs.
        cls.older = os.path.join(cls.session.root, f"Lunadesk-{OLDER}-setup.exe")
        stage = os.path.join(build, "package", f"Lunadesk-{cls.version}")
        subprocess.run(["makensis", "-V1", "-INPUTCHARSET", "UTF8", f"-DVERSION={OLDER}",
                        f"-DSTAGE={stage}", f"-DICON={os.path.join(build, 'app', 'lunadesk.ico')}",
                        f"-DOUTFILE={cls.older}",
                        os.path.join(os.path.dirname(__file__), "..", "..", "installer",
                                     "lunadesk.nsi")], check=True, timeout=TIMEOUT)

    def setUp(self):
        super().setUp()
        # Shortcuts would otherwise turn into desktop files in the home folder.
        self.env["WINEDLLOVERRIDES"] += ";winemenubuilder.exe=d"
        users = os.path.join(self.prefix, "drive_c", "users")
        self.user = next(u for u in os.listdir(users) if u != "Public")
        self.folder = os.path.join(users, self.user, "AppData", "Local", "Programs", "Lunadesk")
        self.installed = rf"C:\users\{self.user}\AppData\Local\Programs\Lunadesk\lunadesk.exe"
        self.shortcut = os.path.join(users, self.user, "AppData", "Roaming", "Microsoft",
                                     "Windows", "Start Menu", "Programs", "Lunadesk 日历.lnk")

    def install(self, setup=None, expect=0):
        self.assertEqual(self.wine(setup or self.setup, "/S")[0], expect)

    def assert_installed(self, version):
        self.assertEqual(sorted(os.listdir(self.folder)),
                         ["LICENSE", "README.txt", "lunadesk.exe", "uninstall.exe"])
        self.assertTrue(os.path.isfile(self.shortcut), "no Start-menu shortcut")
        self.assertEqual(self.registry(RUN_KEY).get("Lunadesk"), f'"{self.installed}" /autostart')
        entry = self.registry(UNINSTALL_KEY)
        uninstaller = self.installed.replace("lunadesk.exe", "uninstall.exe")
        self.assertEqual({k: entry.get(k) for k in (
            "DisplayName", "DisplayVersion", "Publisher", "DisplayIcon", "UninstallString",
            "QuietUninstallString", "NoModify", "NoRepair")}, {
            "DisplayName": "Lunadesk 日历", "DisplayVersion": version, "Publisher": "Lunadesk",
            "DisplayIcon": self.installed, "UninstallString": f'"{uninstaller}"',
            "QuietUninstallString": f'"{uninstaller}" /S', "NoModify": 1, "NoRepair": 1})
        self.assertGreater(entry["EstimatedSize"], 100)

    def test_silent_install_then_again_over_the_running_calendar(self):
        self.install()
        self.assert_installed(self.version)
        self.assertEqual(self.xids(CALENDAR), [], "started though it was not running")
        self.launch(exe=self.installed)
        settings = self.stored(lambda v: len(v) == 10)

        self.install()
        # The running calendar was closed and a new one started in its place, in the background.
        self.assertEqual(self.program.wait(TIMEOUT), 0)
        self.assertEqual(len(eventually(lambda: self.xids(CALENDAR), bool, TIMEOUT)), 1)
        self.assertNotEqual(self.probe("foreground")[0]["title"], CALENDAR)
        self.assert_installed(self.version)
        self.assertEqual(self.stored(), settings)

    def test_newer_over_older_and_not_older_over_newer(self):
        self.install(self.older)
        self.assert_installed(OLDER)
        self.install()
        self.assert_installed(self.version)
        exe = os.path.join(self.folder, "lunadesk.exe")
        before = os.stat(exe).st_mtime_ns
        self.install(self.older, expect=2)
        self.assert_installed(self.version)
        self.assertEqual(os.stat(exe).st_mtime_ns, before)

    def test_silent_uninstall_closes_the_calendar_and_keeps_the_settings(self):
        self.install()
        self.launch(exe=self.installed)
        settings = self.stored(lambda v: len(v) == 10)
        self.assertEqual(self.wine(os.path.join(self.folder, "uninstall.exe"), "/S")[0], 0)
        # The uninstaller goes on from a copy of itself in the temporary folder.
        self.assertFalse(eventually(lambda: os.path.exists(self.folder), lambda e: not e,
                                    TIMEOUT), "the program's folder stayed")
        self.assertEqual(self.program.wait(TIMEOUT), 0)
        self.assertFalse(os.path.exists(self.shortcut), "the shortcut stayed")
        self.assertNotIn("Lunadesk", self.registry(RUN_KEY))
        self.assertEqual(self.registry(UNINSTALL_KEY), {})
        self.assertEqual(self.stored(), settings)


class PortableZip(unittest.TestCase):
    def test_the_zip_holds_the_program_its_readme_and_licence(self):
        build = os.environ.get("LUNADESK_BUILD", BUILD)
        with zipfile.ZipFile(os.path.join(build, f"Lunadesk-{version(build)}-portable.zip")) as z:
            self.assertEqual(sorted(z.namelist()), ["LICENSE", "README.txt", "lunadesk.exe"])
            readme = z.read("README.txt").decode("utf-8-sig")
        self.assertIn(version(build), readme)
        self.assertIn("\r\n", readme)
