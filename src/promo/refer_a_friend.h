#pragma once

#include <QString>

class Program;

// Turns the refer-a-friend form into one address on the maker's site and opens it.
class modTellAFriend {
public:
    explicit modTellAFriend(Program& program) : m_program(program) {}

    // Written by the exit screen's Refer button, each trimmed of spaces.
    QString strSenderName;
    QString strSenderEmail;
    QString strMessage;
    QString strFriendName;
    QString strFriendEmail;
    // Built by SubmitReferral.
    QString strReferralURL;

    // Checks the five values in order, reporting the first missing one; when all are there,
    // builds strReferralURL and opens it.
    void SubmitReferral();
    void OpenReferralUrl();

    // The address for these values. Each value is percent-encoded as UTF-8, so the server
    // reads back exactly what was typed, whatever characters it holds.
    static QString BuildReferralUrl(const QString& senderName, const QString& senderEmail,
                                    const QString& message, const QString& friendName,
                                    const QString& friendEmail);

private:
    Program& m_program;
};

// Leading and trailing spaces removed; tabs and line breaks stay.
QString TrimSpaces(const QString& text);
