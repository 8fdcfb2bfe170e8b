#!/usr/bin/env python3
"""A merged print job as a whole process, against glabels-3-batch.

The card of print-pdf.py ("Grand format", a picture background from the
picture library, a logo and four labels) with a field in each label is
printed for every record of a CSV list, one card per record, on a 10-up A4
layout (two across, five down): 1 000 records (100 sheets) and 100 000
records (10 000 sheets). The same card, sheet and list are printed by
glabels-3-batch (Debian package glabels) when it is installed: 1 000
records only, as its merge is the peer of ours. Prints, for each job, the
median wall time of RUNS runs, the highest peak resident memory and the
PDF's size, then the size of the pictures the PDF stores.

Usage: bench/merge-pdf.py [-n RUNS] [PROGRAM]
  PROGRAM   the Brivadune executable (default: build/app/Brivadune, then
            build-tests/app/Brivadune)
  -n RUNS   runs of the 1 000-record jobs (default 5; the 100 000-record
            job runs once)
"""
import csv
import importlib.util
import os
import shutil
import statistics
import subprocess
import tempfile

# The single-card job's command line and pictures.
_spec = importlib.util.spec_from_file_location(
    "print_pdf", os.path.join(os.path.dirname(os.path.abspath(__file__)), "print-pdf.py"))
print_pdf = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(print_pdf)
CARD_MM = (84.0, 54.0)        # "Grand format": 4762,8 x 3061,8 twips
TWIPS_PER_MM = 1440 / 25.4
LABELS = [  # field, font, size, bold, left, top (twips)
    ("Nom", "DejaVu Sans", 14, True, 1800, 300),
    ("Fonction", "DejaVu Serif", 10, False, 1800, 800),
    ("Adresse", "DejaVu Sans", 8.25, False, 1800, 2200),
    ("Téléphone", "DejaVu Sans Mono", 8.25, False, 1800, 2500),
]
LOGO = (150, 150)  # left, top (twips)


def write_list(path, records):
    with open(path, "w", encoding="utf-8", newline="") as f:
        out = csv.writer(f, lineterminator="\r\n")
        out.writerow([field for field, *_ in LABELS])
        for n in range(1, records + 1):
            out.writerow([f"Personne {n}", f"Fonction n° {n % 37}", f"{n}, rue des Lilas - 29200 Brest",
                          f"Tél. 02 98 {n // 10000 % 100:02d} {n // 100 % 100:02d} {n % 100:02d}"])


def project_text(background, logo):
    lines = ["[FORMAT]", "Longueur=4762,8", "Hauteur=3061,8"]
    for n, (field, font, size, bold, left, top) in enumerate(LABELS, 1):
        lines += [f"[LABEL {n}]", f"Caption={{{field}}}", f"Font={font}", f"FontBold={'Vrai' if bold else 'Faux'}",
                  "FontItalic=Faux", f"FontSize={str(size).replace('.', ',')}", "FontStrikethru=Faux",
                  "FontUnderline=Faux", "ForeColor=0", f"Top={top}", f"Left={left}"]
    lines += ["[LOGO 1]", f"Top={LOGO[1]}", f"Left={LOGO[0]}", f"Tag={logo}",
              "[FOND]", "Numero=2", f"Picture={background}",
              "[LABEL]", "Nombre=4", "[LOGO]", "Nombre=1"]
    return "\r\n".join(lines) + "\r\n"


def glabels_text(background, logo, logo_size, listing):
    """The same card for glabels 3: an image over the whole card, the logo
    and four text objects holding a field each; 10-up A4."""
    width, height = CARD_MM
    x0, y0 = (210 - 2 * width) / 2, (297 - 5 * height) / 2
    mm = lambda twips: f"{twips / TWIPS_PER_MM:.3f}mm"
    objects = [f'<Object-image x="0mm" y="0mm" w="{width}mm" h="{height}mm" src="{background}" '
               'lock_aspect_ratio="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>',
               f'<Object-image x="{mm(LOGO[0])}" y="{mm(LOGO[1])}" w="{logo_size[0] * 25.4 / 96:.3f}mm" '
               f'h="{logo_size[1] * 25.4 / 96:.3f}mm" src="{logo}" lock_aspect_ratio="False" '
               'a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>']
    for field, font, size, bold, left, top in LABELS:
        objects.append(
            f'<Object-text x="{mm(left)}" y="{mm(top)}" w="60mm" h="8mm" justify="Left" valign="Top" '
            'auto_shrink="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">'
            f'<Span color="0x000000ff" font_family="{font}" font_size="{size}" '
            f'font_weight="{"Bold" if bold else "Regular"}" font_italic="False" line_spacing="1">'
            f'<Field name="{field}"/></Span></Object-text>')
    return f"""<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Banc" part="10" size="A4" description="Cartes 10 par planche">
    <Meta category="business-card"/>
    <Label-rectangle id="0" width="{width}mm" height="{height}mm" round="0mm" x_waste="0mm" y_waste="0mm">
      <Markup-margin size="0mm"/>
      <Layout nx="2" ny="5" x0="{x0:.3f}mm" y0="{y0:.3f}mm" dx="{width}mm" dy="{height}mm"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    {chr(10).join(objects)}
  </Objects>
  <Merge type="Text/Comma/Line1Keys" src="{listing}"/>
  <Data/>
</Glabels-document>
"""


def brivadune_job(program, work, listing, index):
    app, out, env = print_pdf.app_folder(work, f"app-{os.path.basename(listing)}-{index}")
    elapsed, rss = print_pdf.measure([program, "--app-dir", app, "--print-pdf", out, "--merge", listing,
                                      os.path.join(work, "carte.prj")], env, "Brivadune --merge")
    return elapsed, rss, out


def glabels_job(work, index):
    out = os.path.join(work, f"glabels-{index}.pdf")
    elapsed, rss = print_pdf.measure(["glabels-3-batch", "-o", out, os.path.join(work, "carte.glabels")],
                                     dict(os.environ), "glabels-3-batch")
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


def image_size(png):
    """A PNG's width and height in pixels, from its header."""
    with open(png, "rb") as f:
        header = f.read(24)
    return int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")


def report(name, rows):
    print(f"{name}: median_s={statistics.median(r[0] for r in rows):.3f} "
          f"peak_rss_kb={max(r[1] for r in rows)} pdf_bytes={os.path.getsize(rows[0][2])}")


def main():
    parsed = print_pdf.arguments(5, __doc__)
    if not parsed:
        return
    runs, program = parsed
    background, logo = print_pdf.library_pictures(os.path.join(os.path.dirname(program), "Images"))
    peer = shutil.which("glabels-3-batch")
    with tempfile.TemporaryDirectory() as work:
        small, large = os.path.join(work, "equipe.csv"), os.path.join(work, "annuaire.csv")
        write_list(small, 1000)
        write_list(large, 100000)
        with open(os.path.join(work, "carte.prj"), "w", encoding="utf-8", newline="") as f:
            f.write(project_text(background, logo))
        brivadune_job(program, work, small, "warmup")  # fills the disk cache; not counted
        ours = [brivadune_job(program, work, small, i) for i in range(runs)]
        report("brivadune records=1000", ours)
        print(f"brivadune records=1000 pages={page_count(ours[0][2])} pictures_bytes={pictures_bytes(ours[0][2])}")
        report("brivadune records=100000", [brivadune_job(program, work, large, "large")])
        if peer:
            logo_size = image_size(logo)
            with open(os.path.join(work, "carte.glabels"), "w", encoding="utf-8") as f:
                f.write(glabels_text(background, logo, logo_size, small))
            theirs = [glabels_job(work, i) for i in range(runs)]
            report("glabels-3-batch records=1000", theirs)
            print(f"speedup={statistics.median(r[0] for r in theirs) / statistics.median(r[0] for r in ours):.1f}")
        else:
            print("glabels-3-batch not installed (apt-get install glabels): no comparison")


if __name__ == "__main__":
    main()
