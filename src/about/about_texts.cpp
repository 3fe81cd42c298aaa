#include "about/about_texts.h"

#include "about/scrambled_text.h"

namespace orvanta {

namespace {

// Our own wording; the addresses lie under reserved example domains until real ones exist.
constexpr ScrambledText kAuthor{"Written by Tamsor"};
constexpr ScrambledText kDevelopedUsing{"Developed in C++ with nothing but Windows' own libraries"};
constexpr ScrambledText kCopyright{"Copyright \xC2\xA9 Tamsor"};
constexpr ScrambledText kSoftwareStatus{"Shareware: free to try, free to pass on."};
constexpr ScrambledText kComments{"Comments and suggestions :"};
constexpr ScrambledText kWebPage{"More software on the WEB :"};
constexpr ScrambledText kEmailAddress{"tamsor@example.com"};
constexpr ScrambledText kWebAddress{"https://example.com/"};
// In two halves, so that not even the scrambled address stands in one piece.
constexpr ScrambledText kDonationAddressFirst{"https://example.org/"};
constexpr ScrambledText kDonationAddressSecond{"donate/tamsor"};

}  // namespace

AboutTexts About_Box_Texts(int currentYear) {
    AboutTexts texts;
    texts.authorAndDate = kAuthor.Text() + ", " + forms::kReleaseDate;
    texts.developedUsing = kDevelopedUsing.Text();
    texts.copyright = kCopyright.Text() + " " + std::to_string(currentYear);
    texts.softwareStatus = kSoftwareStatus.Text();
    texts.comments = kComments.Text();
    texts.webPage = kWebPage.Text();
    texts.emailAddress = kEmailAddress.Text();
    texts.webAddress = kWebAddress.Text();
    texts.donationAddress = kDonationAddressFirst.Text() + kDonationAddressSecond.Text();
    return texts;
}

std::vector<std::string> Stored_Texts() {
    return {kAuthor.Text(),
            kDevelopedUsing.Text(),
            kCopyright.Text(),
            kSoftwareStatus.Text(),
            kComments.Text(),
            kWebPage.Text(),
            kEmailAddress.Text(),
            kWebAddress.Text(),
            kDonationAddressFirst.Text(),
            kDonationAddressSecond.Text()};
}

std::string Email_Target(std::string_view emailAddress, std::string_view executableFileName) {
    std::string target = "mailto:" + std::string(emailAddress) + "?subject=Shareware: ";
    for (const char c : executableFileName) {
        switch (c) {
            case '%':
                target += "%25";
                break;
            case '&':
                target += "%26";
                break;
            case '#':
                target += "%23";
                break;
            default:
                target += c;
        }
    }
    return target;
}

void Shell_Open(Shell& shell, std::string_view target) {
    if (!target.empty()) {
        shell.Open(target);
    }
}

}  // namespace orvanta
