"""The ledger export read back: corvella-cli export writes an .xlsx whose cells, fonts,
frozen heading row and page setup are checked here with openpyxl.

usage: export_check.py CORVELLA_CLI DATA_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile

import openpyxl

CLI, DATA = sys.argv[1], sys.argv[2]
failures = []


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: got {got!r}, expected {expected!r}")


def cli(folder, *args):
    return subprocess.run([CLI, "-C", folder, *args], capture_output=True, text=True)


def employee_folder(weekly):
    folder = tempfile.mkdtemp(prefix="corvella-export-")
    for name in os.listdir(DATA):
        if os.path.isfile(os.path.join(DATA, name)):
            shutil.copy(os.path.join(DATA, name), folder)
    if not weekly:
        use = os.path.join(folder, "Sample.use")
        with open(use, "rb") as f:
            data = f.read()
        with open(use, "wb") as f:
            f.write(data.replace(b"#TRUE#,#FALSE#", b"#FALSE#,#TRUE#", 1))
    return folder


def export(weekly):
    folder = employee_folder(weekly)
    week = "1" if weekly else "27"
    run = cli(folder, "post", "Sample", "--row", week, "--box", "0=40", "--week", "01/09/2015")
    check("post exit", run.returncode, 0)
    out = os.path.join(folder, "Sample.xlsx")
    for _ in range(2):  # a second export replaces the first
        run = cli(folder, "export", "Sample", out)
        check("export exit", run.returncode, 0)
    check("files after two exports",
          sorted(n for n in os.listdir(folder) if ".xlsx" in n), ["Sample.xlsx"])
    return folder, openpyxl.load_workbook(out).active


def bold_color(cell):
    return (bool(cell.font.b), cell.font.color.rgb if cell.font.color else None)


RED, BLUE = "FFFF0000", "FF0000FF"

for weekly in (True, False):
    label = "weekly" if weekly else "bi-weekly"
    folder, ws = export(weekly)
    headings = ["Date", "Federal", "Soc Sec", "Medicare", "State", "City", "CrUnion", "Bond",
                "Dues", "Pension", "Health Ins", "Kplan", "Tips", "OT", "Net", "Gross"]
    check(f"{label} headings", [c.value for c in ws[1]][:16], headings)
    for col in range(1, 17):
        check(f"{label} heading font {col}", bold_color(ws.cell(1, col)), (True, RED))
    posted = 2  # week 1; a bi-weekly run goes into week 27, under the totals row
    if weekly:
        check(f"{label} date", ws.cell(posted, 1).value, "01/09/2015")
        check(f"{label} federal", ws.cell(posted, 2).value, 62.96)
        check(f"{label} federal format", ws.cell(posted, 2).number_format, "0.00")
        check(f"{label} gross", ws.cell(posted, 16).value, 600)
    totals = 54 if weekly else 28
    check(f"{label} totals label", ws.cell(totals, 1).value, "TOTALS=")
    check(f"{label} gross total", ws.cell(totals, 16).value, 600)
    for col in range(1, 17):
        check(f"{label} totals font {col}", bold_color(ws.cell(totals, col)), (True, BLUE))
    block = 56 if weekly else 31
    check(f"{label} block labels", [ws.cell(block, c).value for c in range(3, 7)],
          ["SDI", "SUI", "Cafe", "Tips"])
    check(f"{label} block sdi", ws.cell(block + 1, 3).value, 0.6)
    for col in range(1, (7 if weekly else 6) + 1):
        check(f"{label} block label font {col}", bold_color(ws.cell(block, col)), (True, RED))
        check(f"{label} block value font {col}", bold_color(ws.cell(block + 1, col)),
              (False, BLUE))
    check(f"{label} frozen pane", ws.freeze_panes, "A2")
    check(f"{label} landscape", ws.page_setup.orientation, "landscape")
    check(f"{label} fit to one page", (ws.sheet_properties.pageSetUpPr.fitToPage,
                                       ws.page_setup.fitToWidth in (None, 1),
                                       ws.page_setup.fitToHeight in (None, 1)),
          (True, True, True))
    m = ws.page_margins
    check(f"{label} margins", (m.left, m.right, m.top, m.bottom), (0, 0, 0, 0))
    check(f"{label} header and footer margins small", m.header < 0.01 and m.footer < 0.01, True)
    check(f"{label} centred", ws.print_options.horizontalCentered, True)
    check(f"{label} footer left", ws.oddFooter.left.text, "Sample    ***-**-0000")
    check(f"{label} footer centre", ws.oddFooter.center.text, "Corvella 2013\u00ae")
    widths = [ws.column_dimensions[c].width for c in "ABCDEFGHIJKLMNOP"]
    check(f"{label} column widths follow the text", widths[0] >= 10 and widths[10] >= 10, True)
    shutil.rmtree(folder)

# A file that cannot be written: a message naming it, exit 5, nothing left behind.
folder = employee_folder(True)
target = os.path.join(folder, "missing", "Sample.xlsx")
run = cli(folder, "export", "Sample", target)
check("unwritable export exit", run.returncode, 5)
check("unwritable export names the file", "Sample.xlsx" in run.stderr, True)
check("unwritable export leaves nothing", os.path.exists(os.path.join(folder, "missing")), False)
shutil.rmtree(folder)

for f in failures:
    print("FAIL:", f)
print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
