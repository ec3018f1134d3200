// Who names a client or an owner. Other registers hold a client or an owner
// by code alone: a booking its client (field 1 of the bookings of every
// year), an invoice its client (field 2) or its owner (field 3, by record
// number in the owners register), an apartment its owner (field 0), a
// journal movement its owner (column 1), a cheque of the bank-account
// register its owner (field 0), an owner's bank coordinates their owner
// (field 6). The registers of every year in the data folder are read, not
// only the management year's: a client whose one booking is last year's is
// still that booking's client.
//
// So that nobody's bookings, apartments or money pass to another person, a
// person any of them names is not deleted, and a new code is never one they
// name (a file left by an older program may name a code nobody holds).
#pragma once

#include <string>

#include "records/app.h"

namespace ga {

// Why client `codice` cannot be deleted: the message to show, naming the
// kind of record that names him; "" when nothing does.
std::string cliente_nominato(App& app, const std::string& codice);

// Why the owner of `codice`, at record `record` of the owners register,
// cannot be deleted; "" when nothing names him. An owner invoice names its
// owner by record number, and a deletion moves every later owner up one
// record: an invoice of a later owner forbids it too.
std::string proprietario_nominato(App& app, const std::string& codice, long record);

// The code of a new client, of a new owner, after the `n` records of their
// table: the last record's code + 1 (0001 with none), unless a record holds
// it or another register names it; then the highest of them all + 1.
std::string nuovo_codice_cliente(App& app, long n);
std::string nuovo_codice_proprietario(App& app, long n);

// The highest client code the other registers name (bookings and invoices
// of every year); 0 when they name none.
long codice_cliente_nominato_massimo(App& app);
// True when a booking or an invoice of any year names client `codice`.
bool codice_cliente_nominato(App& app, const std::string& codice);

// The highest owner code the other registers name (apartments, journals,
// bank-account registers, bank coordinates); 0 when they name none.
long codice_proprietario_nominato_massimo(App& app);
// True when one of them names owner `codice`.
bool codice_proprietario_nominato(App& app, const std::string& codice);

}  // namespace ga
