#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Writes the holiday files of data/Holidays: the concrete dates 1970-2100 of every country
// below, with the English and local names, the kind and the regions where each holiday
// applies, from the rules of the date-holidays package (pinned in package.json).
// The program reads only these files; the format is described in data/Holidays/README.md.
//
//   cd tools/make-holidays && npm ci && node make-holidays.mjs ../../data/Holidays
import Holidays from 'date-holidays'
import { createHash } from 'node:crypto'
import { mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs'
import { dirname, join } from 'node:path'
import { createRequire } from 'node:module'
import { fileURLToPath } from 'node:url'

const FORMAT_VERSION = 1
const FIRST_YEAR = 1970
const LAST_YEAR = 2100
const COUNTRIES = [
  // The European Union
  'AT', 'BE', 'BG', 'CY', 'CZ', 'DE', 'DK', 'EE', 'ES', 'FI', 'FR', 'GR', 'HR', 'HU', 'IE',
  'IT', 'LT', 'LU', 'LV', 'MT', 'NL', 'PL', 'PT', 'RO', 'SE', 'SI', 'SK',
  // The rest of Europe
  'CH', 'GB', 'IS', 'NO',
  // Elsewhere
  'AR', 'AU', 'BR', 'CA', 'IN', 'JP', 'KR', 'MX', 'NZ', 'US', 'ZA',
]
const KIND_LETTERS = { public: 'p', bank: 'b', optional: 'o', school: 's', observance: 'v' }
// Rules whose dates the package itself knows to be off, shifted here by whole days. Seollal
// is the day before the first lunar day, that day and the day after; the package's span
// starts a day late (see its KR.yaml, which corrects only the substitute days). The
// generator stops when a correction no longer matches, so a fixed package is noticed.
const CORRECTIONS = [{ country: 'KR', rule: 'korean 01-0-01 P3D', days: -1 }]
const corrected = new Set()
// The package names a few languages by its own codes; the files use ISO 639-1.
const LANGUAGE_CODES = { cz: 'cs', jp: 'ja' }

const here = dirname(fileURLToPath(import.meta.url))
const pinned = JSON.parse(readFileSync(join(here, 'package.json'), 'utf8')).dependencies['date-holidays']
const require = createRequire(import.meta.url)
const installed = JSON.parse(readFileSync(require.resolve('date-holidays/package.json'), 'utf8')).version
if (installed !== pinned) {
  console.error(`date-holidays ${installed} is installed, package.json pins ${pinned}: run npm ci`)
  process.exit(1)
}
const out = process.argv[2]
if (!out) {
  console.error('usage: node make-holidays.mjs <data/Holidays folder>')
  process.exit(2)
}

// Names go into the files as single-line text without tabs.
function clean (text) {
  return String(text ?? '').replace(/[\t\r\n]+/g, ' ').trim()
}

function addDays (ymd, days) {
  const [y, m, d] = ymd.split('-').map(Number)
  const date = new Date(Date.UTC(y, m - 1, d + days))
  return date.toISOString().slice(0, 10)
}

// The holidays of one region (undefined: the country as a whole) over all years, as
// date -> key -> entry, where a holiday of several days counts once on each day.
function collect (country, state, localLanguage, into, regionIndex) {
  const english = new Holidays(country, state, { languages: ['en'] })
  const local = new Holidays(country, state, { languages: [localLanguage] })
  // A year before the first catches holidays of several days that reach into it.
  for (let year = FIRST_YEAR - 1; year <= LAST_YEAR; ++year) {
    const inEnglish = english.getHolidays(year, 'en')
    const inLocal = local.getHolidays(year, localLanguage)
    if (inEnglish.length !== inLocal.length)
      throw new Error(`${country} ${state ?? ''} ${year}: the languages list different holidays`)
    inEnglish.forEach((holiday, i) => {
      const other = inLocal[i]
      if (other.date !== holiday.date || other.rule !== holiday.rule || other.type !== holiday.type)
        throw new Error(`${country} ${state ?? ''} ${year}: the languages list different holidays`)
      const kind = KIND_LETTERS[holiday.type]
      if (!kind)
        throw new Error(`${country}: unknown kind ${holiday.type}`)
      const name = clean(holiday.name)
      const localName = clean(other.name)
      if (!name || !localName)
        throw new Error(`${country} ${year}: a holiday without a name`)
      const days = Math.max(1, Math.round((holiday.end - holiday.start) / 864e5))
      const correction = CORRECTIONS.find((c) => c.country === country && c.rule === holiday.rule)
      if (correction)
        corrected.add(correction)
      for (let d = 0; d < days; ++d) {
        const date = addDays(holiday.date.slice(0, 10), d + (correction?.days ?? 0))
        const yearOf = Number(date.slice(0, 4))
        if (yearOf < FIRST_YEAR || yearOf > LAST_YEAR)
          continue
        const key = `${kind}\t${name}\t${localName}`
        if (!into.has(date))
          into.set(date, new Map())
        const day = into.get(date)
        if (!day.has(key))
          day.set(key, { kind, name, localName, regions: new Set() })
        day.get(key).regions.add(regionIndex)
      }
    })
  }
}

// The regions field: '*' for the country and every region, '*-A,B' for all but A and B,
// else the codes, where the country's own code stands for the country as a whole.
function regionsField (set, codes) {
  if (set.size === codes.length)
    return '*'
  const inside = codes.filter((_, i) => set.has(i))
  const outside = codes.filter((_, i) => !set.has(i))
  if (set.has(0) && outside.join(',').length + 2 < inside.join(',').length)
    return '*-' + outside.join(',')
  return inside.join(',')
}

function countryFile (country) {
  const hd = new Holidays(country)
  const languages = hd.getLanguages()
  const packageLanguage = languages[0]
  const language = LANGUAGE_CODES[packageLanguage] ?? packageLanguage.slice(0, 2)
  const name = clean(hd.getCountries('en')[country])
  const localName = clean(hd.getCountries(packageLanguage)[country] ?? name)
  const states = hd.getStates(country, 'en') ?? {}
  const localStates = hd.getStates(country, packageLanguage) ?? {}
  const stateCodes = Object.keys(states).sort()
  if (stateCodes.includes(country))
    throw new Error(`${country}: a region has the country's code`)
  for (const code of stateCodes) {
    if (!/^[A-Z0-9]{1,8}$/.test(code))
      throw new Error(`${country}: region code ${code} does not fit the format`)
  }
  const codes = [country, ...stateCodes]

  const byDate = new Map()
  collect(country, undefined, packageLanguage, byDate, 0)
  stateCodes.forEach((code, i) => collect(country, code, packageLanguage, byDate, i + 1))

  const lines = []
  const header = [`ORVANE-HOLIDAYS\t${FORMAT_VERSION}`,
    `country\t${country}\t${name}\t${localName}\t${language}`,
    `years\t${FIRST_YEAR}\t${LAST_YEAR}`]
  for (const code of stateCodes) {
    const english = clean(states[code])
    const local = clean(localStates[code] ?? english)
    header.push(local === english ? `region\t${code}\t${english}` : `region\t${code}\t${english}\t${local}`)
  }
  const names = new Map()
  const nameLines = []
  let count = 0
  for (let year = FIRST_YEAR; year <= LAST_YEAR; ++year) {
    lines.push(`year\t${year}`)
    const dates = [...byDate.keys()].filter((d) => d.startsWith(`${year}-`)).sort()
    for (const date of dates) {
      const entries = [...byDate.get(date).values()].sort((a, b) =>
        a.name < b.name ? -1 : a.name > b.name ? 1 : a.kind < b.kind ? -1 : a.kind > b.kind ? 1
          : a.localName < b.localName ? -1 : a.localName > b.localName ? 1 : 0)
      for (const entry of entries) {
        const nameKey = `${entry.name}\t${entry.localName}`
        if (!names.has(nameKey)) {
          names.set(nameKey, names.size)
          nameLines.push(entry.localName === entry.name ? `name\t${entry.name}` : `name\t${nameKey}`)
        }
        lines.push(`${date.slice(5, 7)}${date.slice(8, 10)}\t${entry.kind}\t${names.get(nameKey)}\t`
          + regionsField(entry.regions, codes))
        ++count
      }
    }
  }
  return [...header, ...nameLines, ...lines, `end\t${count}`].join('\n') + '\n'
}

mkdirSync(out, { recursive: true })
for (const file of readdirSync(out)) {
  if (file.endsWith('.holidays'))
    rmSync(join(out, file))
}
const manifest = [`date-holidays\t${installed}`]
let total = 0
for (const country of COUNTRIES) {
  const text = countryFile(country)
  const file = `${country}.holidays`
  writeFileSync(join(out, file), text)
  total += Buffer.byteLength(text)
  manifest.push(`${createHash('sha256').update(text).digest('hex')}\t${file}`)
  console.log(`${file}: ${Buffer.byteLength(text)} bytes`)
}
for (const correction of CORRECTIONS) {
  if (!corrected.has(correction)) {
    console.error(`the correction of ${correction.country} '${correction.rule}' matched no holiday: check it`)
    process.exit(1)
  }
}
writeFileSync(join(out, 'MANIFEST'), manifest.join('\n') + '\n')
// The package's licence with the attribution its data needs travels with the files.
writeFileSync(join(out, 'LICENSE'), readFileSync(join(dirname(require.resolve('date-holidays/package.json')), 'LICENSE')))
console.log(`${COUNTRIES.length} countries, ${total} bytes`)
