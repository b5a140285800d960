#pragma once
// The publisher's site. Every page has one fixed address, made at compile time from the
// site base address; the openers hand it to the platform's PageOpener and ignore the
// outcome. Also here: the scrambling of settings and the update reminder
// (update_reminder.h), and the promotional texts and offers (promo_texts.h).

#include "platform/platform.h"
#include "site_addresses.h"

#include <QString>

namespace velmoor {

#define VELMOOR_PAGE(key) VELMOOR_SITE_BASE VELMOOR_PAGE_PATH key

namespace pages {
inline constexpr char kQuennetSoftwares[] = VELMOOR_PAGE("quennetsoftwares");
inline constexpr char kDonate[] = VELMOOR_PAGE("donate");
inline constexpr char kHelpWebPage[] = VELMOOR_PAGE("help-web-page");
inline constexpr char kCoBrand[] = VELMOOR_PAGE("co-brand");
inline constexpr char kFullyBranded[] = VELMOOR_PAGE("fully-branded");
inline constexpr char kHomePage[] = VELMOOR_PAGE("home-page");
inline constexpr char kDownloadWebPage[] = VELMOOR_PAGE("download-web-page");
inline constexpr char kReferral[] = VELMOOR_PAGE("tovr-refer-a-friend");
// What the referral names as the product's own page.
inline constexpr char kProductPage[] = VELMOOR_SITE_BASE "/velmoor/";
inline constexpr char kSiteBase[] = VELMOOR_SITE_BASE;
inline constexpr char kForumAddress[] = VELMOOR_FORUM_ADDRESS;
} // namespace pages

#undef VELMOOR_PAGE

// The page openers of the program's windows.
class ModHelp {
public:
    explicit ModHelp(PageOpener &opener) : m_opener(opener) {}

    void OpenPageAddress(const QString &address) const { m_opener.open(address); }
    void OpenQuennetSoftwaresPage() const { open(pages::kQuennetSoftwares); }
    void OpenDonatePage() const { open(pages::kDonate); }
    void OpenHelpWebPage() const { open(pages::kHelpWebPage); }
    void OpenCoBrandPage() const { open(pages::kCoBrand); }
    void OpenFullyBrandedPage() const { open(pages::kFullyBranded); }
    void OpenHomePage() const { open(pages::kHomePage); }
    void OpenDownloadWebPage() const { open(pages::kDownloadWebPage); }

private:
    void open(const char *address) const { OpenPageAddress(QString::fromLatin1(address)); }
    PageOpener &m_opener;
};

// The forum's address, as the program's texts name it.
inline QString forumAddress()
{
    return QString::fromLatin1(pages::kForumAddress);
}

} // namespace velmoor
