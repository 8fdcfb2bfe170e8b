#!/usr/bin/env python3
"""The whole process of `Brivadune --print-pdf`, measured.

A "Grand format" card with a picture background from the picture library,
four labels and a logo is printed on a 10-up A4 sheet (two across, five
down), 1, 100 and 1000 sheets, each RUNS times on a fresh application
folder. Prints the median wall time of each, the highest peak resident
memory of any run, the sizes of the PDF files, and what the 1000-sheet
file holds beyond its pictures.

With --peer, glabels-3-batch (Debian package glabels) prints the same card
(the picture over the whole card, the logo, four text objects) on the same
sheet, 1000 sheets, RUNS times in the same run; the script prints its
figures and how many times faster ours is; its files (gigabytes each) are
removed once measured.

Usage: bench/print-pdf.py [--qr] [--peer] [-n RUNS] [PROGRAM]
  --qr      the card also carries a QR code of a whole contact (a vCard of
            about 300 bytes)
  --peer    also time glabels-3-batch on the 1000-sheet job
  PROGRAM   the Brivadune executable (default: build/app/Brivadune, then
            build-tests/app/Brivadune); its folder must hold the picture
            library (the build copies it there)
  -n RUNS   runs of each job (default 15)
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from xml.sax.saxutils import escape, quoteattr

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def find_program(args):
    if args:
        return args[0]
    for candidate in ("build/app/Brivadune", "build-tests/app/Brivadune"):
        path = os.path.join(ROOT, candidate)
        if os.access(path, os.X_OK):
            return path
    sys.exit("Brivadune executable not found; build it (cmake --build build --target Brivadune) or name it.")


def arguments(default_runs, doc):
    """The runs (-n RUNS) and the program's absolute path named on the
    command line; None once -h has printed `doc`."""
    args = sys.argv[1:]
    runs = default_runs
    if args[:1] == ["-n"]:
        runs = int(args[1])
        args = args[2:]
    if args[:1] in (["-h"], ["--help"]):
        print(doc)
        return None
    return runs, os.path.abspath(find_program(args))


def library_pictures(library):
    """The background picture and the logo the benchmark cards use."""
    background = os.path.join(library, "Images de fond", "Aquarelle.jpg")
    logo = os.path.join(library, "Angles", "Angle floral haut gauche.png")
    for path in (background, logo):
        if not os.path.isfile(path):
            sys.exit("picture library missing beside the program: " + path)
    return background, logo


# A whole contact, as a card's QR code holds it (about 300 bytes once the
# line breaks are written \n in the project file).
CONTACT = ("BEGIN:VCARD\\nVERSION:3.0\\nN:Duval;Jeanne;;;\\nFN:Jeanne Duval\\nORG:Atelier Duval\\n"
           "TITLE:Architecte d'intérieur\\nTEL;TYPE=WORK,VOICE:+33 2 98 00 00 00\\n"
           "TEL;TYPE=CELL:+33 6 12 34 56 78\\nEMAIL:jeanne.duval@atelier-duval.fr\\n"
           "URL:https://www.atelier-duval.fr\\nADR;TYPE=WORK:;;12\\\\, rue des Lilas;;;;\\nEND:VCARD")


def code_sections():
    pieces = [CONTACT[i:i + 150] for i in range(0, len(CONTACT), 150)]
    lines = ["[CODE 1]", "Type=QR"] + [f"Contenu{n}={p}" for n, p in enumerate(pieces, 1)]
    return lines + ["Correction=M", "Left=3400", "Top=1800", "Width=1134", "Height=1134",
                    "ForeColor=0", "BackColor=16777215", "[CODE]", "Nombre=1"]


CARD_MM = (84.0, 54.0)        # "Grand format": 4762,8 x 3061,8 twips
SHEET_MM = (10, 15)           # the first card's corner on the sheet, as the format line gives it
TWIPS_PER_MM = 1440 / 25.4
# Caption, font, size (points), bold, left, top (twips).
LABELS = [
    ("Jeanne Duval", "DejaVu Sans", 14, True, 1800, 300),
    ("Architecte d'intérieur", "DejaVu Serif", 10, False, 1800, 800),
    ("12, rue des Lilas - 29200 Brest", "DejaVu Sans", 8.25, False, 1800, 2200),
    ("Tél. 02 98 00 00 00", "DejaVu Sans Mono", 8.25, False, 1800, 2500),
]
LOGO = (150, 150)  # left, top (twips)


def project_text(background, logo, labels, qr=False):
    """A project file of the card; `labels` as LABELS."""
    lines = ["[FORMAT]", "Longueur=4762,8", "Hauteur=3061,8"]
    for n, (caption, font, size, bold, left, top) in enumerate(labels, 1):
        lines += [f"[LABEL {n}]", f"Caption={caption}", f"Font={font}", f"FontBold={'Vrai' if bold else 'Faux'}",
                  "FontItalic=Faux", f"FontSize={str(size).replace('.', ',')}", "FontStrikethru=Faux",
                  "FontUnderline=Faux", "ForeColor=0", f"Top={top}", f"Left={left}"]
    lines += ["[LOGO 1]", f"Top={LOGO[1]}", f"Left={LOGO[0]}", f"Tag={logo}",
              "[FOND]", "Numero=2", f"Picture={background}",
              "[LABEL]", "Nombre=4", "[LOGO]", "Nombre=1"]
    if qr:
        lines += code_sections()
    return "\r\n".join(lines) + "\r\n"


def image_size(png):
    """A PNG's width and height in pixels, from its header."""
    with open(png, "rb") as f:
        header = f.read(24)
    return int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")


def glabels_text(background, logo, spans, merge=None):
    """The card for glabels 3 (its XML document format): an image over the
    whole card, the logo at its size at 96 dpi and four text objects placed
    as LABELS, holding `spans` (XML); the sheet of the 10-up format, and
    the records of the CSV file `merge` when given."""
    width, height = CARD_MM
    logo_size = image_size(logo)
    mm = lambda twips: f"{twips / TWIPS_PER_MM:.3f}mm"
    objects = [f'<Object-image x="0mm" y="0mm" w="{width}mm" h="{height}mm" src={quoteattr(background)} '
               'lock_aspect_ratio="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>',
               f'<Object-image x="{mm(LOGO[0])}" y="{mm(LOGO[1])}" w="{logo_size[0] * 25.4 / 96:.3f}mm" '
               f'h="{logo_size[1] * 25.4 / 96:.3f}mm" src={quoteattr(logo)} lock_aspect_ratio="False" '
               'a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>']
    for span, (_, font, size, bold, left, top) in zip(spans, LABELS):
        objects.append(
            f'<Object-text x="{mm(left)}" y="{mm(top)}" w="60mm" h="8mm" justify="Left" valign="Top" '
            'auto_shrink="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">'
            f'<Span color="0x000000ff" font_family="{font}" font_size="{size}" '
            f'font_weight="{"Bold" if bold else "Regular"}" font_italic="False" line_spacing="1">'
            f'{span}</Span></Object-text>')
    merge_line = f'<Merge type="Text/Comma/Line1Keys" src={quoteattr(merge)}/>' if merge else ""
    return f"""<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Banc" part="10" size="A4" description="Cartes 10 par planche">
    <Meta category="business-card"/>
    <Label-rectangle id="0" width="{width}mm" height="{height}mm" round="0mm" x_waste="0mm" y_waste="0mm">
      <Markup-margin size="0mm"/>
      <Layout nx="2" ny="5" x0="{SHEET_MM[0]}mm" y0="{SHEET_MM[1]}mm" dx="{width}mm" dy="{height}mm"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    {chr(10).join(objects)}
  </Objects>
  {merge_line}
  <Data/>
</Glabels-document>
"""


def glabels_job(work, document, options, index):
    """glabels-3-batch on `document` with `options`: its wall time, peak
    resident memory and PDF."""
    out = os.path.join(work, f"glabels-{index}.pdf")
    elapsed, rss = measure(["glabels-3-batch", "-o", out] + options + [document], dict(os.environ),
                           "glabels-3-batch")
    return elapsed, rss, out


def pictures_bytes(pdf):
    """The bytes of the pictures a PDF stores (pdfimages -list), each
    picture object counted once however many pages draw it."""
    listing = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True, check=True).stdout
    sizes = {}
    for line in listing.splitlines()[2:]:
        cells = line.split()
        size = cells[-2]
        factor = {"B": 1, "K": 1024, "M": 1024 * 1024}[size[-1]]
        sizes[(cells[10], cells[11])] = float(size[:-1]) * factor
    return int(sum(sizes.values()))


def page_count(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    return int(next(line.split()[1] for line in info.splitlines() if line.startswith("Pages:")))


def report(name, rows, pdf_bytes=None):
    """One job's line: median wall time, highest peak memory, the PDF's
    size (by default the first run's); rows are (seconds, kB, PDF path)."""
    pdf_bytes = os.path.getsize(rows[0][2]) if pdf_bytes is None else pdf_bytes
    print(f"{name}: median_s={statistics.median(r[0] for r in rows):.3f} "
          f"peak_rss_kb={max(r[1] for r in rows)} pdf_bytes={pdf_bytes}")


def app_folder(work, name):
    """A fresh application folder with the 10-up format: the folder, the
    PDF to write in it and the environment to run the program in."""
    app = os.path.join(work, name)
    os.makedirs(app)
    with open(os.path.join(app, "formats.ini"), "wb") as f:
        f.write(b"Grand format 10 par planche | 10.15.0.0.2.5\r\n")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env.pop("BRIVADUNE_HOME", None)
    return app, os.path.join(app, "sortie.pdf"), env


def measure(command, env, what):
    """Runs a whole process: its wall time and peak resident memory (kB);
    exits the script, saying why, when it fails."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    error = process.stderr.read().decode(errors="replace").strip()
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{what} failed: {error}")
    return elapsed, usage.ru_maxrss


def run_once(program, work, sheets, index):
    app, out, env = app_folder(work, f"app-{sheets}-{index}")
    elapsed, rss = measure([program, "--app-dir", app, "--print-pdf", out, "--sheets", str(sheets),
                            os.path.join(work, "carte.prj")], env, f"--print-pdf ({sheets} sheets)")
    return elapsed, rss, out


def main():
    options = {flag: flag in sys.argv[1:] for flag in ("--qr", "--peer")}
    for flag, given in options.items():
        if given:
            sys.argv.remove(flag)
    parsed = arguments(15, __doc__)
    if not parsed:
        return
    runs, program = parsed
    if options["--peer"] and not shutil.which("glabels-3-batch"):
        sys.exit("glabels-3-batch not installed (apt-get install glabels): no comparison")
    background, logo = library_pictures(os.path.join(os.path.dirname(program), "Images"))
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "carte.prj"), "w", encoding="utf-8", newline="") as f:
            f.write(project_text(background, logo, LABELS, options["--qr"]))
        run_once(program, work, 1, "warmup")  # fills the disk cache; not counted
        results = {sheets: [run_once(program, work, sheets, i) for i in range(runs)] for sheets in (1, 100, 1000)}
        print(f"runs={runs}")
        for sheets, rows in results.items():
            report(f"brivadune sheets={sheets}", rows)
        many = results[1000][0][2]
        print(f"brivadune sheets=1000 pages={page_count(many)} pictures_bytes={pictures_bytes(many)} "
              f"beyond_pictures_bytes={os.path.getsize(many) - pictures_bytes(many)}")
        if options["--peer"]:
            document = os.path.join(work, "carte.glabels")
            with open(document, "w", encoding="utf-8") as f:
                f.write(glabels_text(background, logo, [escape(caption) for caption, *_ in LABELS]))
            # Each of its files takes gigabytes: read, then removed.
            theirs = []
            for i in range(runs):
                theirs.append(glabels_job(work, document, ["-s", "1000"], i))
                if i == 0:
                    pages, pdf_bytes = page_count(theirs[0][2]), os.path.getsize(theirs[0][2])
                os.remove(theirs[-1][2])
            report("glabels-3-batch sheets=1000", theirs, pdf_bytes)
            print(f"glabels-3-batch sheets=1000 pages={pages}")
            ratio = statistics.median(r[0] for r in theirs) / statistics.median(r[0] for r in results[1000])
            print(f"speedup_1000_sheets={ratio:.1f}")


if __name__ == "__main__":
    main()
