// The text voucher of a stored receipt: the layout keys, the separator line, the encoding and the
// copies written.
#include "textvoucher.h"

#include "amountinwords.h"
#include "frmprint.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/core/statement.h"
#include "platform/os/finishedoutput.h"
#include "platform/os/outputfile.h"
#include "shared/filecode.h"
#include "shared/reporterror.h"
#include "shared/session.h"
#include "shared/windows.h"

#include <QStringConverter>
#include <cmath>
#include <utility>

namespace output {

namespace {

const QChar ShiftOut = QChar(14);
const QChar ShiftIn = QChar(15);
const QChar FormFeed = QChar(12);
// Width of the date and number blocks and of the amount column, all at the right edge.
constexpr int BlockWidth = 15;
const QString ReceivedLabel = QStringLiteral("Received : ");
const QString BankLabel = QStringLiteral("Bank Name: ");
const QString ChequeLabel = QStringLiteral("Cheque No:");
const QString RefLabel = QStringLiteral("Ref No:   ");
const QString SignatureLabel = QStringLiteral("Authorised Signature");
// A cancelled receipt printed again must not pass for a valid one: each copy starts with these lines.
const QString CancelledMark = QStringLiteral("*** CANCELLED ***");
const QString CancelledReasonLabel = QStringLiteral("Reason: ");

// The receipt with its customer and its shop, in the session's company and shop.
const char* const ReceiptStatement =
    "select "
    "drshopid,drcompanyid,drno,drdate,drbankname,drremarks,drchequeno,drchequedate,dramount,customername, "
    "drcancelled,drcancelledremarks, "
    "s.shopname, s.address, s.shoplocation,  s.telephoneno,s.faxno from losdummyreceiptheader dh, "
    "acustomermaster c , ashops s where drcustomerid=customerid and s.shopid=dh.drshopid and "
    "s.companyid=dh.drcompanyid and dh.drcompanyid=c.companyid and dh.drcompanyid=:company and "
    "dh.drshopid=:shop and dh.drId=:receipt";

const QString ProcedureName = QStringLiteral("printRvoucher");
// The file a voucher "To Screen" is written to and shown from.
const QString ScreenFile = QStringLiteral("c:\\Receipts.txt");

// The encodings a voucher may be written in, under the names the settings file gives them. The first,
// the line printers' code page, serves when the key is missing, empty or names no other.
struct VoucherEncoding {
    const char* name;
    QStringConverter::Encoding encoding;
};
const VoucherEncoding Encodings[] = {{"Latin-1", QStringConverter::Latin1},
                                     {"UTF-8", QStringConverter::Utf8}};
const char* const EncodingKey = "VoucherEncoding";

// The printed fields as the error log names them.
const std::pair<const char*, const char*> FieldNames[] = {{"name", "Company Name"},
                                                          {"Address1", "Company Address 1"},
                                                          {"Address2", "Company Address 2"},
                                                          {"Address3", "Company Address 3"},
                                                          {"shopname", "Shop Name"},
                                                          {"address", "Shop Address"},
                                                          {"shoplocation", "Shop Location"},
                                                          {"drno", "Receipt No"},
                                                          {"customername", "Customer Name"},
                                                          {"drchequeno", "Cheque No"},
                                                          {"drbankname", "Bank Name"},
                                                          {"drremarks", "Remarks"},
                                                          {"drcancelledremarks", "Cancellation Reason"}};

QString setting(const char* key) {
    return shared::FileCode(QString::fromLatin1(key), shared::settingsFilePath());
}
qint16 intSetting(const char* key) {
    return core::toInt16(setting(key));
}
qint16 trimmedIntSetting(const char* key) {
    return core::toInt16(core::trimBlanks(setting(key).toUpper()));
}
qint16 numericIntSetting(const char* key) {
    return core::toInt16(core::val(setting(key)));
}

QString pad(qint64 count) {
    return PadSpaces(core::toInt16(count));
}

QString fieldName(const char* column) {
    for (const auto& [name, label] : FieldNames)
        if (qstrcmp(name, column) == 0) return QString::fromLatin1(label);
    return QString::fromLatin1(column);
}

// What the voucher went on past: recorded for the administrator, no message interrupts the counter.
void logNotice(const QString& description) {
    shared::logWithoutMessage(shared::EntryWindowName, ProcedureName, core::err::InvalidCall, description);
}

// Names compare without letter case and dashes: "utf8" and "LATIN-1" are known too.
QString comparable(const QString& name) {
    return name.toLower().remove(QLatin1Char('-'));
}

// An unknown name is logged when it first appears, not again on every voucher while it stays.
void logUnknownEncoding(const QString& name) {
    static QString logged;
    if (name == logged) return;
    logged = name;
    logNotice(QStringLiteral("%1 \"%2\" is not known; the voucher is written in %3")
                  .arg(QLatin1String(EncodingKey), name, QLatin1String(Encodings[0].name)));
}

const VoucherEncoding& readEncoding() {
    const QString name = core::trimBlanks(
        shared::fileCodeIfPresent(QString::fromLatin1(EncodingKey), shared::settingsFilePath()));
    if (name.isEmpty()) return Encodings[0];
    for (const VoucherEncoding& known : Encodings)
        if (comparable(name) == comparable(QLatin1String(known.name))) return known;
    logUnknownEncoding(name);
    return Encodings[0];
}

// The layout keys read once per voucher, before anything is written.
struct VoucherLayout {
    qint16 headerTopLine = 0;
    qint16 headerBottomLine = 0;
    qint16 detailBottomLine = 0;
    qint16 spaceInLineCode = 0;
    qint16 leftMargin = 0;
    qint16 copies = 0;
    qint16 pageWidth = 0;
    qint16 chequeLength = 0;
    qint16 refLength = 0;
    QString port;
    const VoucherEncoding* encoding = nullptr;
};

// Keys without effect on the voucher are still read and converted in their place: a missing one
// stops the voucher like any other.
VoucherLayout readLayout() {
    VoucherLayout layout;
    layout.headerTopLine = trimmedIntSetting("printheadertopline");
    layout.headerBottomLine = trimmedIntSetting("printheaderbottomline");
    layout.detailBottomLine = trimmedIntSetting("printdetailbottomline");
    layout.spaceInLineCode = numericIntSetting("spaceinlinecode");
    numericIntSetting("printfooterineachpage");
    layout.leftMargin = trimmedIntSetting("headerleftmargin");
    layout.copies = intSetting("noofcopiesreceipt");
    layout.pageWidth = intSetting("Pagewidth");
    layout.chequeLength = intSetting("clength");
    layout.refLength = intSetting("reflength");
    intSetting("nooflinebeforetextReceipt");
    intSetting("linetoskipatlast");
    layout.port = setting("port");
    layout.encoding = &readEncoding();
    return layout;
}

// As many dashes as fit the page with spaceInLineCode blanks after each; a single dash is no line.
QString separatorLine(const VoucherLayout& layout) {
    const qint16 dashes = core::toInt16(core::divide(layout.pageWidth, layout.spaceInLineCode + 1.0));
    const QString gap = PadSpaces(layout.spaceInLineCode);
    QString line;
    for (int i = 0; i < dashes; ++i)
        line += line.isEmpty() ? QStringLiteral("-") : gap + QLatin1Char('-');
    return line == QLatin1String("-") ? QString() : line;
}

QString receiptQuery(qint32 receiptId) {
    const shared::Session& s = shared::session();
    return core::statement(ReceiptStatement, {{"company", QString::number(s.companyId)},
                                              {"shop", QString::number(s.shopId)},
                                              {"receipt", QString::number(receiptId)}});
}

// Asking the print dialog loads it when it is not loaded, so its opening defaults decide. A dialog
// loaded only for the question is unloaded again: a later Print then runs its load afresh, and a
// later voucher reads the settings again instead of a state no load produced for it.
bool printsToScreen() {
    output::frmPrint& dialog = shared::windows().get<output::frmPrint>();
    const bool wasLoaded = dialog.isLoaded();
    dialog.load();
    const bool toScreen = dialog.optScreen.value();
    if (!wasLoaded) dialog.unload();
    return toScreen;
}

// The voucher sent to the screen is shown in the module's text viewer, whoever asked for it: the print
// dialog or the question after a save. Only a voucher written whole is shown, so that a failure never
// shows the screen file's earlier voucher, another receipt's, as this one.
void showScreenFile() {
    os::FinishedOutput::textViewed(os::OutputFile::reportedPath(ScreenFile));
}

// Writes the copies of one receipt's voucher. Fields are read where their line needs them, so a
// failure stops at its line; fields with characters the output's encoding lacks are noted.
class VoucherWriter {
public:
    VoucherWriter(os::OutputFile& out, const VoucherLayout& layout, const QString& separator,
                  const ado::Recordset& receipt)
        : out_(out), layout_(layout), separator_(separator), receipt_(receipt),
          margin_(PadSpaces(layout.leftMargin)) {}

    void writeCopy() {
        for (qint16 i = 0, skip = intSetting("linetoskipfirst"); i < skip; ++i)
            line(QString());
        writeCancelledMark();
        writeCompanyLines();
        writeShopLines();
        line(QString());
        line(CentreText(QStringLiteral("CASH RECEIPT"), layout_.pageWidth));
        line(QString());
        writeReceivedLines();
        line(QString());
        writeParticulars();
        writeFooter();
    }

    // The printed fields that lost characters, each once, in the order they were first printed.
    const QStringList& lostFields() const { return lostFields_; }

private:
    void line(const QString& text) { out_.writeLine(text); }
    void separatorIf(qint16 flag) {
        if (flag == 1) line(separator_);
    }

    // A field the voucher prints; a null one fails as a null used as text does.
    QVariant field(const char* name) const {
        const QVariant value = receipt_.field(QString::fromLatin1(name));
        if (core::isNull(value)) throw core::RuntimeError::of(core::err::InvalidUseOfNull);
        return value;
    }
    QString text(const char* name) { return printed(name, core::toText(field(name))); }

    QString companyField(const char* name) {
        const auto& commonDb = shared::session().commonDb;
        if (!commonDb) throw core::RuntimeError::of(core::err::ObjectNotSet);
        return printed(name, core::toText(commonDb->fnreturnfield(QStringLiteral("acompanymaster"),
                                                                  QString::fromLatin1(name))));
    }

    QString printed(const char* column, const QString& value) {
        if (!out_.canHold(value) && !lostFields_.contains(fieldName(column)))
            lostFields_ << fieldName(column);
        return value;
    }

    // The reason stored with the cancellation follows the mark, centred as the mark; a long one makes
    // its line longer, as long remarks do. A cancellation stored without a reason prints the mark alone.
    void writeCancelledMark() {
        const QVariant flag = receipt_.field(QStringLiteral("drcancelled"));
        if (core::isNull(flag) || core::toInt32(flag) != 1) return;
        line(CentreText(CancelledMark, layout_.pageWidth));
        const QString reason =
            core::trimBlanks(core::nullAsEmpty(receipt_.field(QStringLiteral("drcancelledremarks"))));
        if (!reason.isEmpty())
            line(CentreText(CancelledReasonLabel + printed("drcancelledremarks", reason), layout_.pageWidth));
    }

    void writeCompanyLines() {
        if (intSetting("PrintCompanyName") != 1) return;
        line(QString(ShiftOut) + ShiftIn + margin_ + companyField("name"));
        for (const auto& [key, column] :
             {std::pair{"printadd1", "Address1"}, std::pair{"printadd2", "Address2"},
              std::pair{"printadd3", "Address3"}})
            if (intSetting(key) == 1) line(margin_ + companyField(column));
    }

    // The shop's name, then its address and location with the date and the number at the right edge.
    void writeShopLines() {
        line(margin_ + text("shopname"));
        const QString date = core::format(field("drdate"), QStringLiteral("dd/mm/yyyy"));
        rightAligned(text("address"), QStringLiteral("Date : ") + pad(BlockWidth - date.size()) + date);
        const QString number = text("drno");
        rightAligned(text("shoplocation"),
                     QStringLiteral("No : ") + pad(BlockWidth - number.size()) + number);
    }
    void rightAligned(const QString& left, const QString& right) {
        line(margin_ + left +
             pad(qint64(layout_.pageWidth) - right.size() - left.size() - layout_.leftMargin) + right);
    }

    void writeReceivedLines() {
        const QString cheque = text("drchequeno");
        const QString chequeBlock =
            pad(qint64(layout_.chequeLength) - ChequeLabel.size() - cheque.size()) + ChequeLabel + cheque;
        const QString customer = text("customername");
        line(ReceivedLabel + customer +
             pad(qint64(layout_.pageWidth) - chequeBlock.size() - ReceivedLabel.size() - customer.size()) +
             chequeBlock);
        const QString number = text("drno");
        const QString refBlock =
            pad(qint64(layout_.refLength) - RefLabel.size() - number.size()) + RefLabel + number;
        const QString bank = text("drbankname");
        line(BankLabel + bank +
             pad(qint64(layout_.pageWidth) - BankLabel.size() - refBlock.size() - bank.size()) + refBlock);
    }

    void writeParticulars() {
        separatorIf(layout_.headerTopLine);
        const qint64 headingWidth = qint64(layout_.pageWidth) - BlockWidth;
        const QString heading = CentreText(QStringLiteral("PARTICULARS"), core::toInt16(headingWidth));
        line(heading + pad(headingWidth - heading.size()));
        separatorIf(layout_.headerBottomLine);
        line(QString());
        const QString amount = core::format(field("dramount"), QStringLiteral("0.00"));
        const QString amountColumn = pad(BlockWidth - amount.size()) + amount;
        const QString remarks = text("drremarks");
        line(remarks + pad(qint64(layout_.pageWidth) - amountColumn.size() - remarks.size()) + amountColumn);
        separatorIf(layout_.detailBottomLine);
        line(output::ToWords(amount));
    }

    void writeFooter() {
        line(CentreText(QStringLiteral("THANK YOU"), layout_.pageWidth));
        line(QString());
        line(pad(qint64(layout_.pageWidth) - SignatureLabel.size()) + SignatureLabel);
        line(QString(FormFeed));
    }

    os::OutputFile& out_;
    const VoucherLayout& layout_;
    const QString& separator_;
    const ado::Recordset& receipt_;
    const QString margin_;
    QStringList lostFields_;
};

void logLostFields(const ado::Recordset& receipt, const QStringList& fields,
                   const VoucherEncoding& encoding) {
    const QString number = core::toText(receipt.field(QStringLiteral("drno")));
    for (const QString& field : fields)
        logNotice(QStringLiteral("Voucher of receipt %1: %2 has characters %3 cannot hold")
                      .arg(number, field, QLatin1String(encoding.name)));
}

void writeVoucher(qint32 receiptId) {
    const VoucherLayout layout = readLayout();
    // Built before the receipt is read: a spaceinlinecode of -1 stops the voucher before the query runs.
    const QString separator = separatorLine(layout);
    ado::Recordset receipt;
    receipt.open(receiptQuery(receiptId), shared::registerConnection(), ado::CursorType::Keyset,
                 ado::LockType::Pessimistic);
    if (!receipt.eof()) {
        const bool toScreen = printsToScreen();
        os::OutputFile out(toScreen ? ScreenFile : layout.port, layout.encoding->encoding);
        VoucherWriter writer(out, layout, separator, receipt);
        for (int copy = 1; copy <= layout.copies; ++copy)
            writer.writeCopy();
        out.close();
        logLostFields(receipt, writer.lostFields(), *layout.encoding);
        if (toScreen) showScreenFile();
    }
    receipt.close();
}

} // namespace

void printRvoucher(qint32 receiptId) {
    shared::trapped(shared::EntryWindowName, ProcedureName, [receiptId] { writeVoucher(receiptId); });
}

QString PadSpaces(qint16 count) {
    return count > 0 ? QString(count, QLatin1Char(' ')) : QString();
}

QString CentreText(const QString& text, qint16 width) {
    const qint64 trimmedLength = core::trimBlanks(text).size();
    return pad(qint64(std::floor(width / 2.0)) - trimmedLength / 2) + text;
}

} // namespace output
