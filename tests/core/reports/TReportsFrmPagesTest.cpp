#include "ReportsFixture.h"

#include <QFileInfo>

namespace {

const QString kFooter =
    QStringLiteral("Report made by Shipkit " SHIPKIT_VERSION " - shareware submission made simple");

// The lines every page shares, written out here as the pages must show them.
struct Refs {
    QString banner;     // quoted, ready after src=
    QString background; // quoted, ready after background=
    QString mainUrl;
    QString logUrl;
};

QStringList infoCells(const QString& label, const QString& value) {
    return {R"(    <td width="287" align="right"><font face="Arial" color="#000080"><small>)" +
                label + "</small></font></td>",
            R"(    <td width="290"><small><font face="Arial">)" + value + "</font></small></td>"};
}

QStringList pageTop(const Refs& refs, const QString& title, const QString& heading,
                    const QString& date, const QString& time, const QString& app) {
    QStringList l{"<html>",
                  "<head>",
                  R"(<meta charset="utf-8">)",
                  "<title>" + title + "</title>",
                  "</head>",
                  R"(<body leftmargin="0" bgcolor="#FFFFFF">)",
                  "<p><img src=" + refs.banner + R"( alt=".jpg" WIDTH="180" HEIGHT="60"></p>)",
                  R"(<table border="0" cellpadding="2" width="581" cellspacing="0">)",
                  "  <tr>",
                  R"(    <td width="577" bgcolor="#000080" colspan="2"><p align="right"><font )"
                  R"(face="Arial" color="#FFFFFF"><strong>)" +
                      heading + "</strong></font></td>",
                  "  </tr>",
                  "  <tr>"};
    l << infoCells("Date:", date) << "  </tr>"
      << "  <tr>";
    l << infoCells("Time:", time) << "  </tr>"
      << "  <tr>";
    l << infoCells("Application:", app) << "  </tr>"
      << "  <tr>";
    l << R"(    <td width="577" colspan="2" bgcolor="#000080"><p align="right"><a href=")" +
             refs.mainUrl + R"("><font face="Arial" color="#FFFFFF"><strong>&lt;&lt;)"
      << "Back to Main</strong></font></a></td>"
      << "  </tr>"
      << "</table>";
    return l;
}

QString logLine(const QString& time, const QString& text) {
    return R"(<p><small><font face="Arial">[)" + time + "] - " + text + "</font></small></p>";
}

QString footer() {
    return R"(<p><small><font face="Arial" color="#400080">)" + kFooter + "</font></small></p>";
}

QStringList pageEnd() {
    return {" ", footer(), "</body>", "</html>"};
}

QStringList detailRow(const QString& label, const QString& indent, const QString& value,
                      bool twoLineLabel) {
    QStringList l{"  </tr>", "  <tr>", R"(    <td width="154"></td>)"};
    if (twoLineLabel)
        l << R"(    <td width="149" align="right"><font face="Arial" color="#000080">)"
          << "<small>" + label + "</small></font></td>";
    else
        l << R"(    <td width="149" align="right"><font face="Arial" color="#000080"><small>)" +
                 label + "</small></font></td>";
    l << indent + R"(<td width="243"><small><font face="Arial">)" + value + "</font></small></td>";
    return l;
}

QStringList spacerRow() {
    return {"  </tr>", "  <tr>", R"(    <td width="154"></td>)", R"(    <td width="149"></td>)",
            R"(    <td width="243"></td>)"};
}

struct MainValues {
    QString date, started, completed, app, success, failed;
    QList<QPair<QString, QString>> links; // label, url
};

QStringList mainReport(const Refs& refs, const MainValues& v) {
    QStringList l{"<html>",
                  "<head>",
                  R"(<meta charset="utf-8">)",
                  "<title>Submission Report</title>",
                  "</head>",
                  R"(<body topmargin="0" leftmargin="0" background=)" + refs.background + ">",
                  "<blockquote>",
                  "  <p><br>",
                  "<img src=" + refs.banner + R"( alt=".jpg" WIDTH="180" HEIGHT="60"></p>)",
                  "</blockquote>",
                  R"(<table border="0" cellpadding="2" width="550" cellspacing="0">)",
                  "  <tr>",
                  R"(    <td width="546" bgcolor="#000080" colspan="3"><p align="right"><font )"
                  R"(face="Arial" color="#FFFFFF"><strong>Submission Detail</strong></font></td>)"};
    l << detailRow("Date:", "", v.date, false);
    l << detailRow("Time Started:", "    ", v.started, false);
    l << detailRow("Time Completed:", "     ", v.completed, false);
    l << detailRow("Application:", "    ", v.app, false);
    l << detailRow("# of Successful Submissions", "    ", v.success, true);
    l << detailRow("# of Failed Submissions", "    ", v.failed, true);
    l << spacerRow() << "  </tr>"
      << "  <tr>"
      << R"(    <td width="546" colspan="3" bgcolor="#000080"><p align="right"><font face="Arial" )"
         R"(color="#FFFFFF"><strong>Submission Log</strong></font></td>)"
      << "  </tr>"
      << "  <tr>"
      << R"(    <td width="154"></td>)"
      << R"(    <td width="392" colspan="2"><ul>)"
      << R"(      <li><a href=")" + refs.logUrl +
             R"("><small><font face="Arial" color="#0000FF"><u>View Submission Log</u></font>)"
             R"(</small></a></li>)"
      << "    </ul>"
      << "    </td>";
    l << spacerRow() << "  </tr>"
      << "  <tr>"
      << R"(    <td width="546" colspan="3" bgcolor="#000080"><p align="right"><strong><font )"
         R"(face="Arial" color="#FFFFFF">Site Responses:</font></strong></td>)"
      << "  </tr>";
    for (const auto& [label, url] : v.links)
        l << "  <tr>"
          << R"(    <td width="154"></td>)"
          << R"(    <td width="392" colspan="2"><ul>)"
          << R"(       <li><a href=")" + url +
                 R"("><font face="Arial" color="#0000FF"><u><small>)" + label +
                 "</small></u></font></a></li>"
          << "    </ul>"
          << "    </td>"
          << "  </tr>";
    l << "  <tr>"
      << R"(    <td width="154"></td>)"
      << R"(    <td width="392" colspan="2"><small><font face="Arial" color="#400080"><small>)"
         R"(*E-Mail Note: )"
      << "    that a successful e-mail only means that the e-mail was sent. However there are many"
      << "    circumstances that can cause the mail not to be delivered which are beyond the "
         "control of"
      << "    Shipkit.</small></font></small>"
      << " " << footer() << "</td>"
      << "  </tr>"
      << "</table>"
      << "</body>"
      << "</html>";
    return l;
}

class TReportsFrmPagesTest : public ReportsFixture {
protected:
    Refs refsFor(const QString& urlRoot, const QString& runFolderUrl) {
        return {'"' + urlRoot + "images/sksr.jpg\"", '"' + urlRoot + "images/back.jpg\"",
                runFolderUrl + "/MainReport.htm", runFolderUrl + "/LogReport.htm"};
    }
};

TEST_F(TReportsFrmPagesTest, OneRunWithHttpEmailAndFtpPagesLogAndMainReport) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "My App";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();

    const QString run = root + "reports/My App/1998-03-07-09-05-02-07";
    const QString url = "file://" + root + "reports/My%20App/1998-03-07-09-05-02-07";
    const Refs refs = refsFor("file://" + root, url);
    EXPECT_EQ(writer.RunFolder(), run);
    EXPECT_EQ(writer.MainReportUrl(), refs.mainUrl);
    ASSERT_TRUE(QFileInfo(run).isDir());

    writer.CurrentSiteName = "Ftp Depot";
    clock.set(at(9, 5, 10));
    writer.BeginSitePage("FTP");
    clock.set(at(9, 5, 11));
    writer.AddLogLine("USER anonymous");
    writer.AddLogLine("331 Password required");
    clock.set(at(9, 5, 15));
    writer.EndSitePage("FTP", "Ftp Depot");
    writer.SuccessCount++;

    writer.CurrentSiteName = "Example Site";
    clock.set(at(9, 6, 0));
    writer.BeginSitePage("HTTP");
    clock.set(at(14, 6, 1));
    writer.AddLogLine("Post Data:");
    writer.AddLogLine("name=Tool&desc=<b>fast</b>");
    inputs.response = {"<html><body>Thanks", " for \"your\" entry</body></html>\r\nline 2"};
    writer.EndSitePage("HTTP", "Example Site");

    clock.set(at(14, 6, 30));
    writer.BeginSitePage("EMAIL");
    writer.AddLogLine("250 OK");
    writer.EndSitePage("EMAIL", "Example Site");
    writer.FailCount++;

    inputs.log = {"Posting to Ftp Depot", "Done <all> & over"};
    clock.set(at(14, 7, 0));
    writer.FinishRun();

    QStringList ftp =
        pageTop(refs, "FTP ", "Ftp DepotFTP Log:", "3/7/98", "9:05:10 AM UTC", "My App");
    ftp << logLine("9:05:11 AM UTC", "USER anonymous")
        << logLine("9:05:11 AM UTC", "331 Password required") << pageEnd();
    EXPECT_EQ(fileBytes(run + "/Ftp Depot _FTP.htm"), crlf(ftp));

    QStringList http =
        pageTop(refs, "HTTP ", "Example SiteHTTP Log:", "3/7/98", "9:06:00 AM UTC", "My App");
    http << logLine("2:06:01 PM UTC", "Post Data:")
         << logLine("2:06:01 PM UTC", "name=Tool&amp;desc=&lt;b&gt;fast&lt;/b&gt;")
         << R"(<iframe sandbox="" title="Site response" width="581" height="400" srcdoc=")"
         << "&lt;html&gt;&lt;body&gt;Thanks for &quot;your&quot; entry&lt;/body&gt;&lt;/html&gt;"
         << "line 2"
         << R"("></iframe>)" << pageEnd();
    EXPECT_EQ(fileBytes(run + "/Example Site _HTTP.htm"), crlf(http));

    QStringList mail =
        pageTop(refs, "EMAIL ", "Example SiteEMAIL Log:", "3/7/98", "2:06:30 PM UTC", "My App");
    mail << logLine("2:06:30 PM UTC", "250 OK") << pageEnd();
    EXPECT_EQ(fileBytes(run + "/Example Site _EMAIL.htm"), crlf(mail));

    QStringList log =
        pageTop(refs, "My App Log File ", "My App Log:", "3/7/98", "2:07:00 PM UTC", "My App");
    log << logLine("2:07:00 PM UTC", "Posting to Ftp Depot")
        << logLine("2:07:00 PM UTC", "Done &lt;all&gt; &amp; over") << footer() << "</body>"
        << "</html>";
    EXPECT_EQ(fileBytes(run + "/LogReport.htm"), crlf(log));

    const MainValues values{"3/7/98",
                            "9:05:02 AM UTC",
                            "2:07:00 PM UTC",
                            "My App",
                            "1",
                            "1",
                            {{"Ftp Depot FTP", url + "/Ftp%20Depot%20_FTP.htm"},
                             {"Example Site HTTP", url + "/Example%20Site%20_HTTP.htm"},
                             {"Example Site EMAIL", url + "/Example%20Site%20_EMAIL.htm"}}};
    EXPECT_EQ(fileBytes(run + "/MainReport.htm"), crlf(mainReport(refs, values)));
    EXPECT_EQ(QDir(run).entryList(QDir::Files, QDir::Name),
              (QStringList{"Example Site _EMAIL.htm", "Example Site _HTTP.htm",
                           "Ftp Depot _FTP.htm", "LogReport.htm", "MainReport.htm"}));
}

TEST_F(TReportsFrmPagesTest, PathsAndNamesThatNeedEscapingStayInsideTheirMarkup) {
    const Workspace paths = makeWorkspace(ws.dir() + "my ws & #1/");
    inputs.app = "R&D <Tool> \"2\"";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    writer.CurrentSiteName = "A&B <Site>";
    writer.BeginSitePage("EMAIL");
    writer.EndSitePage("EMAIL", "A&B <Site>");
    writer.FinishRun();

    const QString run = root + "reports/R&D <Tool> \"2\"/1998-03-07-09-05-02-07";
    const QString urlRoot = "file://" + ws.dir() + "my%20ws%20&amp;%20%231/";
    const QString url = urlRoot + "reports/R&amp;D%20%3CTool%3E%20%222%22/1998-03-07-09-05-02-07";
    const Refs refs = refsFor(urlRoot, url);
    const QString app = "R&amp;D &lt;Tool&gt; &quot;2&quot;";

    QStringList mail =
        pageTop(refs, "EMAIL ", "A&amp;B &lt;Site&gt;EMAIL Log:", "3/7/98", "9:05:02 AM UTC", app);
    mail << pageEnd();
    EXPECT_EQ(fileBytes(run + "/A&B <Site> _EMAIL.htm"), crlf(mail));

    QStringList log =
        pageTop(refs, app + " Log File ", app + " Log:", "3/7/98", "9:05:02 AM UTC", app);
    log << footer() << "</body>"
        << "</html>";
    EXPECT_EQ(fileBytes(run + "/LogReport.htm"), crlf(log));

    const MainValues values{
        "3/7/98",
        "9:05:02 AM UTC",
        "9:05:02 AM UTC",
        app,
        "0",
        "0",
        {{"A&amp;B &lt;Site&gt; EMAIL", url + "/A&amp;B%20%3CSite%3E%20_EMAIL.htm"}}};
    EXPECT_EQ(fileBytes(run + "/MainReport.htm"), crlf(mainReport(refs, values)));
}

TEST_F(TReportsFrmPagesTest, EmptyRunWritesBothRunPagesWithNoSitesAndZeroCounts) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    inputs.log = {"Cancelled"};
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    writer.FinishRun();

    const QString run = root + "reports/Tool/1998-03-07-09-05-02-07";
    const QString url = "file://" + root + "reports/Tool/1998-03-07-09-05-02-07";
    const Refs refs = refsFor("file://" + root, url);
    const MainValues values{"3/7/98", "9:05:02 AM UTC", "9:05:02 AM UTC", "Tool", "0", "0", {}};
    EXPECT_EQ(fileBytes(run + "/MainReport.htm"), crlf(mainReport(refs, values)));
    QStringList log =
        pageTop(refs, "Tool Log File ", "Tool Log:", "3/7/98", "9:05:02 AM UTC", "Tool");
    log << logLine("9:05:02 AM UTC", "Cancelled") << footer() << "</body>"
        << "</html>";
    EXPECT_EQ(fileBytes(run + "/LogReport.htm"), crlf(log));
    EXPECT_EQ(QDir(run).entryList(QDir::Files).size(), 2);
}

TEST_F(TReportsFrmPagesTest, DatesAndTimesFollowTheGivenLocale) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    TReportsFrm writer(paths, clock, inputs, QLocale(QLocale::German, QLocale::Germany));
    writer.StartRun();
    clock.set(at(21, 0, 9));
    writer.FinishRun();
    const QByteArray page = fileBytes(writer.MainReportPath());
    EXPECT_TRUE(page.contains(R"(<td width="243"><small><font face="Arial">07.03.98</font>)"));
    EXPECT_TRUE(page.contains(R"(    <td width="243"><small><font face="Arial">09:05:02 UTC<)"));
    EXPECT_TRUE(page.contains(R"(     <td width="243"><small><font face="Arial">21:00:09 UTC<)"));
}

} // namespace
