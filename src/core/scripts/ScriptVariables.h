#pragma once

#include <QString>
#include <vector>

// The script variables in picker order, each with what it stands for and the picker's text.
class ScriptVariables {
public:
    enum Id {
        COMPNAME,
        COMPURL,
        COMPMAIL,
        CONTNAME,
        CONTTITLE,
        CONTEMAIL,
        CONTPHONE,
        CONTFAX,
        CONTADDR,
        CONTCITY,
        CONTSTATE,
        CONTZIP,
        CONTCOUNTRY,
        APPNAME,
        PLUS83,
        APPFILENAME,
        APPVERSION,
        APPMONTH,
        APPDAY,
        APPYEAR,
        APPPLAT,
        APPSUBMITBY,
        APPSIZE32,
        APPINSTSIZE32,
        APPSIZE16,
        APPINSTSIZE16,
        APPLOCALPATH,
        APPPRICE,
        APPSTATUS,
        APPEVAL,
        APPEXPDATE,
        APPEXPAFTER,
        APPREQ,
        APPINSTALL,
        APPURL,
        APP32DL1,
        APP32DL2,
        APP32DL3,
        APP32DL4,
        APP16DL1,
        APP16DL2,
        APP16DL3,
        APP16DL4,
        APPSCREEN,
        APPICONGIF,
        APPICONICO,
        APPSHORTDESC,
        APPLONGDESC,
        APPNOTES,
        SITENAME,
        SITECAT1,
        SITECAT2,
        CURDATE,
        CURDATE_DAY,
        CURDATE_MONTH,
        CURDATE_YEAR,
        CURTIME,
        CURTIME_HRS,
        CURTIME_MIN,
        BHSID,
        FBBSDESC,
        Count
    };

    // Where a plain field's value comes from; Computed ones have rules of their own.
    enum Source { Company, Application, Computed };

    struct Variable {
        Id id;
        QString name;        // without the percent signs
        QString description; // the picker's second column
        Source source;
        QString field; // the record key of a plain field
    };

    static const std::vector<Variable>& all();
    // The variable of an exact (case-sensitive) name; nullptr when unknown.
    static const Variable* find(QStringView name);
    // "%NAME%|Description", the picker's rows.
    static QStringList pickerRows();
    // "%NAME%" of every variable, the mass change's choices.
    static QStringList delimitedNames();
};
