#pragma once

#include "submit/RunTrail.h"
#include "submit/RunView.h"

// The view a posting step writes to: the run log and the FTP transcript go through the run's
// trail, which keeps them for the reports; everything else reaches the page as it is. The run
// empties the transcript once per site, so a step's own clearing between attempts is ignored.
class TrailView : public RunView {
public:
    TrailView(RunView& view, RunTrail& trail) : m_view(view), m_trail(trail) {}

    void setCurrentSite(const QString& site) override { m_view.setCurrentSite(site); }
    void setStatus(Method method, const QString& text) override { m_view.setStatus(method, text); }
    void setLed(Method method, Led state) override { m_view.setLed(method, state); }
    void setCounters(int toPost, int processed) override { m_view.setCounters(toPost, processed); }
    void setProgress(int position, int maximum) override { m_view.setProgress(position, maximum); }
    void setMailProgress(int percent, bool visible) override {
        m_view.setMailProgress(percent, visible);
    }
    void setHttpBytes(qint64 bytes) override { m_view.setHttpBytes(bytes); }
    void clearFtpLog() override {}
    void AddFtpLog(const QString& text) override { m_trail.AddFtpLog(text); }
    void clearRunLog() override {}
    void AddRunLog(const QString& text) override { m_trail.AddRunLog(text); }
    void setPosting(bool on) override { m_view.setPosting(on); }
    bool askMailSettings() override { return m_view.askMailSettings(); }
    bool confirmRun(const AppSiteList::Counts& counts) override {
        return m_view.confirmRun(counts);
    }

private:
    RunView& m_view;
    RunTrail& m_trail;
};
