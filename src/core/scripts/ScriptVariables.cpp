#include "scripts/ScriptVariables.h"

#include <QHash>
#include <QStringList>

namespace {

using V = ScriptVariables;

std::vector<V::Variable> build() {
    return {
        {V::COMPNAME, "COMPNAME", "Company Name", V::Company, "CONAME"},
        {V::COMPURL, "COMPURL", "Company URL", V::Company, "CURL"},
        {V::COMPMAIL, "COMPMAIL", "Company E-Mail", V::Company, "CCMAIL"},
        {V::CONTNAME, "CONTNAME", "Contact Name", V::Company, "CONTACT"},
        {V::CONTTITLE, "CONTTITLE", "Contact Title", V::Company, "CTITLE"},
        {V::CONTEMAIL, "CONTEMAIL", "Contact E-Mail", V::Company, "CEMAIL"},
        {V::CONTPHONE, "CONTPHONE", "Contect Telephone", V::Company, "CPHONE"},
        {V::CONTFAX, "CONTFAX", "Contact Fax", V::Company, "CFAX"},
        {V::CONTADDR, "CONTADDR", "Contact Address", V::Company, "CADDR"},
        {V::CONTCITY, "CONTCITY", "Contact City", V::Company, "CCITY"},
        {V::CONTSTATE, "CONTSTATE", "Contact State", V::Company, "CSTATE"},
        {V::CONTZIP, "CONTZIP", "Contact Zip", V::Company, "CZIP"},
        {V::CONTCOUNTRY, "CONTCOUNTRY", "Contact Country", V::Company, "CCOUNTRY"},
        {V::APPNAME, "APPNAME", "Application Name", V::Computed, ""},
        {V::PLUS83, "8PLUS3", "8 character filename", V::Application, "8CHAR"},
        {V::APPFILENAME, "APPFILENAME", "Application Filename", V::Application, "FILENAME"},
        {V::APPVERSION, "APPVERSION", "Application Version", V::Application, "VERSION"},
        {V::APPMONTH, "APPMONTH", "Application Release Month", V::Application, "MONTH"},
        {V::APPDAY, "APPDAY", "Application Release Day", V::Application, "DAY"},
        {V::APPYEAR, "APPYEAR", "Application Release Year", V::Application, "YEAR"},
        {V::APPPLAT, "APPPLAT", "Application Platform", V::Computed, ""},
        {V::APPSUBMITBY, "APPSUBMITBY", "Application Submitted By", V::Computed, ""},
        {V::APPSIZE32, "APPSIZE32", "32 Bit Application File Size", V::Computed, ""},
        {V::APPINSTSIZE32, "APPINSTSIZE32", "32 Bit Application Installed Size", V::Computed, ""},
        {V::APPSIZE16, "APPSIZE16", "16 Bit Application File Size", V::Computed, ""},
        {V::APPINSTSIZE16, "APPINSTSIZE16", "16 Bit Application Installed Size", V::Computed, ""},
        {V::APPLOCALPATH, "APPLOCALPATH", "Full Local Path To File Archive", V::Application,
         "PATH"},
        {V::APPPRICE, "APPPRICE", "Application Price", V::Application, "PRICE"},
        {V::APPSTATUS, "APPSTATUS", "Application Distribution Status ", V::Computed, ""},
        {V::APPEVAL, "APPEVAL", "Application Evaluation Period ", V::Application, "EVAL"},
        {V::APPEXPDATE, "APPEXPDATE", "Application Expiration date", V::Application, "XDATE"},
        {V::APPEXPAFTER, "APPEXPAFTER", "Application Expires After", V::Application, "XDAYS"},
        {V::APPREQ, "APPREQ", "Application Requirements", V::Application, "SPECREQ"},
        {V::APPINSTALL, "APPINSTALL", "Application Install/Uninstall Support", V::Computed, ""},
        {V::APPURL, "APPURL", "Application Information URL", V::Application, "APPURL"},
        {V::APP32DL1, "APP32DL1", "32 Bit Application Download URL #1", V::Computed, ""},
        {V::APP32DL2, "APP32DL2", "32 Bit Application Download URL #2", V::Computed, ""},
        {V::APP32DL3, "APP32DL3", "32 Bit Application Download URL #3", V::Computed, ""},
        {V::APP32DL4, "APP32DL4", "32 Bit Application Download URL #4", V::Computed, ""},
        {V::APP16DL1, "APP16DL1", "16 Bit Application Download URL #1", V::Application, "DL1_16"},
        {V::APP16DL2, "APP16DL2", "16 Bit Application Download URL #2", V::Application, "DL2_16"},
        {V::APP16DL3, "APP16DL3", "16 Bit Application Download URL #3", V::Application, "DL3_16"},
        {V::APP16DL4, "APP16DL4", "16 Bit Application Download URL #4", V::Application, "DL4_16"},
        {V::APPSCREEN, "APPSCREEN", "Application URL to ScreenShot", V::Application, "SHOT"},
        {V::APPICONGIF, "APPICONGIF", "URL to Application Icon in GIF format", V::Application,
         "GIF"},
        {V::APPICONICO, "APPICONICO", "URL to Application Icon in ICO format", V::Application,
         "ICO"},
        {V::APPSHORTDESC, "APPSHORTDESC", "Application short Description", V::Application,
         "SHORTDESC"},
        {V::APPLONGDESC, "APPLONGDESC", "Application Long Description", V::Computed, ""},
        {V::APPNOTES, "APPNOTES", "Application Notes to Reviewer", V::Computed, ""},
        {V::SITENAME, "SITENAME", "Name of site submitting to.", V::Computed, ""},
        {V::SITECAT1, "SITECAT1", "Data for Site category #1", V::Computed, ""},
        {V::SITECAT2, "SITECAT2", "Data for Site category #2", V::Computed, ""},
        {V::CURDATE, "CURDATE", "Current Date", V::Computed, ""},
        {V::CURDATE_DAY, "CURDATE_DAY", "Current Day", V::Computed, ""},
        {V::CURDATE_MONTH, "CURDATE_MONTH", "Current Month Num", V::Computed, ""},
        {V::CURDATE_YEAR, "CURDATE_YEAR", "Current Year", V::Computed, ""},
        {V::CURTIME, "CURTIME", "Current Time", V::Computed, ""},
        {V::CURTIME_HRS, "CURTIME_HRS", "Current Hours(2400)", V::Computed, ""},
        {V::CURTIME_MIN, "CURTIME_MIN", "Current Minute", V::Computed, ""},
        {V::BHSID, "BHSID", "ID# For Beverly Hills Software", V::Company, "BHSID"},
        {V::FBBSDESC, "FBBSDESC", "8X3 File Name (.Zip) with Short Description", V::Computed, ""},
    };
}

QHash<QString, int> buildIndex() {
    QHash<QString, int> index;
    const auto& vars = ScriptVariables::all();
    for (size_t i = 0; i < vars.size(); ++i)
        index.insert(vars[i].name, static_cast<int>(i));
    return index;
}

} // namespace

const std::vector<ScriptVariables::Variable>& ScriptVariables::all() {
    static const std::vector<Variable> vars = build();
    return vars;
}

const ScriptVariables::Variable* ScriptVariables::find(QStringView name) {
    static const QHash<QString, int> index = buildIndex();
    const auto it = index.constFind(name.toString());
    return it == index.constEnd() ? nullptr : &all()[static_cast<size_t>(*it)];
}

QStringList ScriptVariables::pickerRows() {
    QStringList rows;
    for (const Variable& v : all())
        rows << u'%' + v.name + u'%' + u'|' + v.description;
    return rows;
}

QStringList ScriptVariables::delimitedNames() {
    QStringList names;
    for (const Variable& v : all())
        names << u'%' + v.name + u'%';
    return names;
}
