"""The demo sites' shared inbox: one folder per received post, upload or mail, named so that
the names sort by arrival, each with a meta.json the front page reads."""
import datetime
import itertools
import json
import os

_counter = itertools.count(1)


def new_entry(inbox, kind, meta):
    """Makes the entry's folder and writes meta.json; returns the folder."""
    stamp = datetime.datetime.now().strftime("%Y%m%d-%H%M%S-%f")
    while True:
        folder = os.path.join(inbox, "%s-%s-%d-%d" % (stamp, kind, os.getpid(), next(_counter)))
        try:
            os.makedirs(folder)
            break
        except FileExistsError:
            continue
    record = dict(meta, kind=kind, received=datetime.datetime.now().isoformat(timespec="seconds"))
    with open(os.path.join(folder, "meta.json"), "w", encoding="utf-8") as f:
        json.dump(record, f, indent=1)
    return folder


def entries(inbox):
    """Every entry's meta, newest first, with its folder name under "folder"."""
    found = []
    if not os.path.isdir(inbox):
        return found
    for name in sorted(os.listdir(inbox), reverse=True):
        try:
            with open(os.path.join(inbox, name, "meta.json"), encoding="utf-8") as f:
                meta = json.load(f)
        except (OSError, ValueError):
            continue
        meta["folder"] = name
        found.append(meta)
    return found
