#pragma once

// How the content of a message part travels.
enum class TransferEncoding { SevenBit, Base64, QuotedPrintable };
