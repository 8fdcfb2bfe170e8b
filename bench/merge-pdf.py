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
import tempfile

# The single-card job's command line, card, pictures and peer document.
_spec = importlib.util.spec_from_file_location(
    "print_pdf", os.path.join(os.path.dirname(os.path.abspath(__file__)), "print-pdf.py"))
print_pdf = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(print_pdf)

# The card of print-pdf.py with a field in each label, and its records.
FIELDS = ["Nom", "Fonction", "Adresse", "Téléphone"]
LABELS = [("{" + field + "}", *label[1:]) for field, label in zip(FIELDS, print_pdf.LABELS)]


def write_list(path, records):
    with open(path, "w", encoding="utf-8", newline="") as f:
        out = csv.writer(f, lineterminator="\r\n")
        out.writerow(FIELDS)
        for n in range(1, records + 1):
            out.writerow([f"Personne {n}", f"Fonction n° {n % 37}", f"{n}, rue des Lilas - 29200 Brest",
                          f"Tél. 02 98 {n // 10000 % 100:02d} {n // 100 % 100:02d} {n % 100:02d}"])


def brivadune_job(program, work, listing, index):
    app, out, env = print_pdf.app_folder(work, f"app-{os.path.basename(listing)}-{index}")
    elapsed, rss = print_pdf.measure([program, "--app-dir", app, "--print-pdf", out, "--merge", listing,
                                      os.path.join(work, "carte.prj")], env, "Brivadune --merge")
    return elapsed, rss, out


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
            f.write(print_pdf.project_text(background, logo, LABELS))
        brivadune_job(program, work, small, "warmup")  # fills the disk cache; not counted
        ours = [brivadune_job(program, work, small, i) for i in range(runs)]
        print_pdf.report("brivadune records=1000", ours)
        print(f"brivadune records=1000 pages={print_pdf.page_count(ours[0][2])} "
              f"pictures_bytes={print_pdf.pictures_bytes(ours[0][2])}")
        print_pdf.report("brivadune records=100000", [brivadune_job(program, work, large, "large")])
        if peer:
            document = os.path.join(work, "carte.glabels")
            with open(document, "w", encoding="utf-8") as f:
                f.write(print_pdf.glabels_text(background, logo, [f'<Field name="{field}"/>' for field in FIELDS],
                                               small))
            theirs = [print_pdf.glabels_job(work, document, [], i) for i in range(runs)]
            print_pdf.report("glabels-3-batch records=1000", theirs)
            print(f"speedup={statistics.median(r[0] for r in theirs) / statistics.median(r[0] for r in ours):.1f}")
        else:
            print("glabels-3-batch not installed (apt-get install glabels): no comparison")


if __name__ == "__main__":
    main()
