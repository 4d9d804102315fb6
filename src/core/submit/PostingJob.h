#pragma once

#include "scripts/ExpansionContext.h"

#include <QString>

struct SiteEngine;

// One site to post by one method: what a posting step reads.
struct PostingJob {
    QString site;                       // the site builder's site name
    const SiteEngine* engine = nullptr; // the site's engine, loaded for this site
    int row = -1;                       // CurrentRow: the site list row being posted
    bool newListing = true;             // the row's Submit is "New"
    bool copy = false;                  // e-mail: the copy to the company contact
    ExpansionContext context;           // live expansion, with the row's two categories
};
