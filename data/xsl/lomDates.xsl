<?xml version="1.0" encoding="UTF-8"?>
<!--
  Dates and durations of the SCORM 1.2 to SCORM 2004 conversion: a 1.2 date, duration or typical learning
  time in the IEEE LOM binding. Included by lomRecord.xsl beside lomValues.xsl, whose variables it uses.
-->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns="http://ltsc.ieee.org/xsd/LOM">

  <!-- A 1.2 date (datetime, description) as a LOM <date>. A calendar date goes into <dateTime> as it stands,
       for the conversion engine to write as a LOM date and time; a date with a time of day goes there in the
       LOM form; any other text goes into the description. -->
  <xsl:template name="lom.date">
    <xsl:param name="node"/>
    <xsl:variable name="kids" select="$node[1]/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="dateTime" select="$kids[translate(local-name(), 'DATEIM', 'dateim') = 'datetime'][1]"/>
    <xsl:variable name="text" select="normalize-space($dateTime)"/>
    <xsl:variable name="value">
      <xsl:call-template name="lom.dateValue"><xsl:with-param name="text" select="$text"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="descriptions" select="$kids[translate(local-name(), 'DESCRIPTON', 'descripton') = 'description']"/>
    <xsl:if test="$text != '' or $descriptions">
      <date>
        <xsl:call-template name="lom.from"><xsl:with-param name="nodes" select="$dateTime[$text != '']"/></xsl:call-template>
        <xsl:if test="$value != ''"><dateTime><xsl:value-of select="$value"/></dateTime></xsl:if>
        <xsl:if test="$descriptions or ($text != '' and $value = '')">
          <description>
            <xsl:if test="$text != '' and $value = ''"><string><xsl:value-of select="$text"/></string></xsl:if>
            <xsl:call-template name="lom.strings"><xsl:with-param name="src" select="$descriptions"/></xsl:call-template>
          </description>
        </xsl:if>
      </date>
    </xsl:if>
  </xsl:template>

  <!-- The <dateTime> text of a date: a calendar date unchanged (year, month and day separated by two "-" or
       two "/", the four-digit year first or last, month and day of one or two digits and within the
       calendar); a date in the form YYYY-MM-DD with "T" and a time of day in the LOM form, seconds and a
       fraction added where a time zone follows without them. Empty for anything else. -->
  <xsl:template name="lom.dateValue">
    <xsl:param name="text"/>
    <xsl:variable name="date" select="substring-before(concat($text, 'T'), 'T')"/>
    <xsl:variable name="seps" select="translate($date, '0123456789', '')"/>
    <xsl:variable name="sep" select="substring($seps, 1, 1)"/>
    <xsl:variable name="a" select="substring-before($date, $sep)"/>
    <xsl:variable name="b" select="substring-before(substring-after($date, $sep), $sep)"/>
    <xsl:variable name="c" select="substring-after(substring-after($date, $sep), $sep)"/>
    <xsl:variable name="yearFirst" select="string-length($a) = 4"/>
    <xsl:variable name="yearText">
      <xsl:choose><xsl:when test="$yearFirst"><xsl:value-of select="$a"/></xsl:when><xsl:otherwise><xsl:value-of select="$c"/></xsl:otherwise></xsl:choose>
    </xsl:variable>
    <xsl:variable name="dayText">
      <xsl:choose><xsl:when test="$yearFirst"><xsl:value-of select="$c"/></xsl:when><xsl:otherwise><xsl:value-of select="$a"/></xsl:otherwise></xsl:choose>
    </xsl:variable>
    <xsl:variable name="y" select="number($yearText)"/>
    <xsl:variable name="m" select="number($b)"/>
    <xsl:variable name="d" select="number($dayText)"/>
    <xsl:variable name="leap" select="($y mod 4 = 0 and $y mod 100 != 0) or $y mod 400 = 0"/>
    <xsl:variable name="days" select="substring('31x28x31x30x31x30x31x31x30x31x30x31', 3 * $m - 2, 2) + number($leap and $m = 2)"/>
    <xsl:variable name="isDate"
        select="($seps = '--' or $seps = '//') and $a != '' and $b != '' and $c != '' and string-length($yearText) = 4
                and string-length($b) &lt;= 2 and string-length($dayText) &lt;= 2
                and $y &gt; 0 and $m &gt;= 1 and $m &lt;= 12 and $d &gt;= 1 and $d &lt;= $days"/>
    <xsl:choose>
      <xsl:when test="not($isDate)"/>
      <xsl:when test="not(contains($text, 'T'))"><xsl:value-of select="$text"/></xsl:when>
      <xsl:when test="$sep = '-' and $yearFirst and string-length($b) = 2 and string-length($c) = 2">
        <xsl:variable name="time">
          <xsl:call-template name="lom.timeValue"><xsl:with-param name="text" select="substring-after($text, 'T')"/></xsl:call-template>
        </xsl:variable>
        <xsl:if test="$time != ''"><xsl:value-of select="concat($date, 'T', $time)"/></xsl:if>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- A time of day (hh, hh:mm, hh:mm:ss, each with an optional fraction of a second and time zone "Z" or
       +hh:mm / -hh:mm) in the LOM form, which wants seconds and a fraction before a time zone; empty when the
       text is no time of day. -->
  <xsl:template name="lom.timeValue">
    <xsl:param name="text"/>
    <xsl:variable name="zoneAt" select="string-length(substring-before(translate($text, '+-', 'ZZ'), 'Z'))"/>
    <xsl:variable name="clock">
      <xsl:choose>
        <xsl:when test="contains(translate($text, '+-', 'ZZ'), 'Z')"><xsl:value-of select="substring($text, 1, $zoneAt)"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="zone" select="substring($text, string-length($clock) + 1)"/>
    <xsl:variable name="h" select="substring($clock, 1, 2)"/>
    <xsl:variable name="mi" select="substring($clock, 4, 2)"/>
    <xsl:variable name="s" select="substring($clock, 7, 2)"/>
    <xsl:variable name="fraction" select="substring($clock, 10)"/>
    <xsl:variable name="valid"
        select="string-length($h) = 2 and translate($h, '0123456789', '') = '' and $h &lt;= 23
                and (string-length($clock) = 2 or (substring($clock, 3, 1) = ':' and string-length($mi) = 2
                     and translate($mi, '0123456789', '') = '' and $mi &lt;= 59
                     and (string-length($clock) = 5 or (substring($clock, 6, 1) = ':' and string-length($s) = 2
                          and translate($s, '0123456789', '') = '' and $s &lt;= 59
                          and (string-length($clock) = 8 or (substring($clock, 9, 1) = '.' and $fraction != ''
                               and translate($fraction, '0123456789', '') = ''))))))
                and ($zone = '' or $zone = 'Z' or (string-length($zone) = 6 and contains('+-', substring($zone, 1, 1))
                     and translate(substring($zone, 2, 2), '0123456789', '') = '' and substring($zone, 2, 2) &lt;= 23
                     and substring($zone, 4, 1) = ':' and translate(substring($zone, 5, 2), '0123456789', '') = ''
                     and substring($zone, 5, 2) &lt;= 59))"/>
    <xsl:if test="$valid">
      <xsl:value-of select="$clock"/>
      <xsl:if test="$zone != ''">
        <xsl:if test="string-length($clock) = 2"><xsl:text>:00</xsl:text></xsl:if>
        <xsl:if test="string-length($clock) &lt;= 5"><xsl:text>:00</xsl:text></xsl:if>
        <xsl:if test="string-length($clock) &lt;= 8"><xsl:text>.0</xsl:text></xsl:if>
        <xsl:value-of select="$zone"/>
      </xsl:if>
    </xsl:if>
  </xsl:template>

  <!-- A 1.2 duration or typical learning time (datetime, or duration where the record uses the LOM form,
       and description) as the LOM element $name with a <duration> and a <description>. The duration is the
       datetime text when it reads as one, else the first
       description text when that does (the SCORM 1.2 writers keep it there). A date in the datetime is no
       duration and is left out; any other text that is no duration goes into the description. -->
  <xsl:template name="lom.duration">
    <xsl:param name="node"/>
    <xsl:param name="name"/>
    <xsl:variable name="kids" select="$node[1]/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="dateTime" select="$kids[translate(local-name(), 'DATEIM', 'dateim') = 'datetime' or translate(local-name(), 'DURATION', 'duration') = 'duration'][1]"/>
    <xsl:variable name="text" select="normalize-space($dateTime)"/>
    <xsl:variable name="descriptions" select="$kids[translate(local-name(), 'DESCRIPTON', 'descripton') = 'description']"/>
    <xsl:variable name="firstString"
        select="($descriptions/*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), 'LANGSTRI', 'langstri') = 'langstring'] | $descriptions[not(*)])[1]"/>
    <xsl:variable name="ownDuration">
      <xsl:call-template name="lom.durationValue"><xsl:with-param name="text" select="$text"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="describedDuration">
      <xsl:if test="$ownDuration = ''">
        <xsl:call-template name="lom.durationValue"><xsl:with-param name="text" select="$firstString"/></xsl:call-template>
      </xsl:if>
    </xsl:variable>
    <xsl:variable name="isDate"
        select="translate($text, '0123456789-/\:.TZ+ ', '') = '' and (contains($text, '-') or contains($text, '/'))"/>
    <xsl:variable name="strings">
      <xsl:if test="$ownDuration = '' and $text != '' and not($isDate)"><string><xsl:value-of select="$text"/></string></xsl:if>
      <xsl:call-template name="lom.strings">
        <xsl:with-param name="src" select="$descriptions"/>
        <xsl:with-param name="skip" select="$firstString[$describedDuration != '']"/>
      </xsl:call-template>
    </xsl:variable>
    <!-- A date beside a duration that the description gives is the day the record was written (the SCORM
         1.2 writers put it there): no value of the resource, it is not named as left out. -->
    <xsl:if test="$ownDuration != '' or $describedDuration != '' or normalize-space($strings) != ''">
      <xsl:element name="{$name}" namespace="{$lom.ns}">
        <xsl:call-template name="lom.from">
          <xsl:with-param name="nodes" select="$dateTime[$text != '' and ($ownDuration != '' or not($isDate) or $describedDuration != '')] | $firstString[$describedDuration != '']"/>
        </xsl:call-template>
        <xsl:if test="$ownDuration != '' or $describedDuration != ''">
          <duration><xsl:value-of select="concat($ownDuration, $describedDuration)"/></duration>
        </xsl:if>
        <xsl:if test="normalize-space($strings) != ''">
          <description><xsl:copy-of select="$strings"/></description>
        </xsl:if>
      </xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- A duration text as the ISO 8601 duration the SCORM 2004 writers write, with all six fields
       ("P00Y00M00DT01H30M00S"), or with only the fields that are not zero when $short is true ("PT1H30M0S").
       Read are ISO 8601 durations (weeks become days) and the SCORM 1.2 forms h:mm:ss and h:mm; anything else
       gives an empty text. -->
  <xsl:template name="lom.durationValue">
    <xsl:param name="text"/>
    <xsl:param name="short" select="false()"/>
    <xsl:variable name="t" select="translate(normalize-space($text), 'ptyhmdsw', 'PTYHMDSW')"/>
    <!-- "years;months;weeks;days;hours;minutes;seconds;", or empty when the text reads as no duration -->
    <xsl:variable name="pieces">
      <xsl:choose>
        <xsl:when test="starts-with($t, 'P')">
          <xsl:call-template name="lom.isoPieces">
            <xsl:with-param name="date" select="substring-before(concat(substring($t, 2), 'T'), 'T')"/>
            <xsl:with-param name="time" select="substring-after($t, 'T')"/>
          </xsl:call-template>
        </xsl:when>
        <xsl:when test="contains($t, ':')">
          <xsl:variable name="h" select="substring-before($t, ':')"/>
          <xsl:variable name="m" select="substring-before(concat(substring-after($t, ':'), ':'), ':')"/>
          <xsl:variable name="s" select="substring-after(substring-after($t, ':'), ':')"/>
          <xsl:if test="$h != '' and $m != '' and translate(concat($h, $m), '0123456789', '') = ''
                        and translate($s, '0123456789.', '') = '' and string(number(concat('0', $s))) != 'NaN'">
            <xsl:value-of select="concat(';;;;', $h, ';', $m, ';', $s, ';')"/>
          </xsl:if>
        </xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:if test="$pieces != ''">
      <xsl:variable name="y" select="number(concat('0', substring-before($pieces, ';')))"/>
      <xsl:variable name="p1" select="substring-after($pieces, ';')"/>
      <xsl:variable name="mo" select="number(concat('0', substring-before($p1, ';')))"/>
      <xsl:variable name="p2" select="substring-after($p1, ';')"/>
      <xsl:variable name="w" select="number(concat('0', substring-before($p2, ';')))"/>
      <xsl:variable name="p3" select="substring-after($p2, ';')"/>
      <xsl:variable name="d" select="number(concat('0', substring-before($p3, ';'))) + 7 * $w"/>
      <xsl:variable name="p4" select="substring-after($p3, ';')"/>
      <xsl:variable name="h" select="number(concat('0', substring-before($p4, ';')))"/>
      <xsl:variable name="p5" select="substring-after($p4, ';')"/>
      <xsl:variable name="mi" select="number(concat('0', substring-before($p5, ';')))"/>
      <xsl:variable name="s" select="number(concat('0', substring-before(substring-after($p5, ';'), ';')))"/>
      <xsl:choose>
        <xsl:when test="$short">
          <xsl:text>P</xsl:text>
          <xsl:if test="$y != 0"><xsl:value-of select="concat($y, 'Y')"/></xsl:if>
          <xsl:if test="$mo != 0"><xsl:value-of select="concat($mo, 'M')"/></xsl:if>
          <xsl:if test="$d != 0"><xsl:value-of select="concat($d, 'D')"/></xsl:if>
          <xsl:value-of select="concat('T', $h, 'H', $mi, 'M', $s, 'S')"/>
        </xsl:when>
        <xsl:otherwise>
          <xsl:value-of select="concat('P', format-number($y, '00'), 'Y', format-number($mo, '00'), 'M',
                                       format-number($d, '00'), 'DT', format-number($h, '00'), 'H',
                                       format-number($mi, '00'), 'M', format-number($s, '00.#########'), 'S')"/>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:if>
  </xsl:template>

  <!-- The pieces of an ISO 8601 duration (the parts before and after its "T"), each designator in its place;
       empty when the text is no such duration. -->
  <xsl:template name="lom.isoPieces">
    <xsl:param name="date"/>
    <xsl:param name="time"/>
    <xsl:variable name="y" select="substring-before($date, 'Y')"/>
    <xsl:variable name="d1" select="substring($date, string-length($y) + 1 + number(contains($date, 'Y')))"/>
    <xsl:variable name="mo" select="substring-before($d1, 'M')"/>
    <xsl:variable name="d2" select="substring($d1, string-length($mo) + 1 + number(contains($d1, 'M')))"/>
    <xsl:variable name="w" select="substring-before($d2, 'W')"/>
    <xsl:variable name="d3" select="substring($d2, string-length($w) + 1 + number(contains($d2, 'W')))"/>
    <xsl:variable name="d" select="substring-before($d3, 'D')"/>
    <xsl:variable name="d4" select="substring($d3, string-length($d) + 1 + number(contains($d3, 'D')))"/>
    <xsl:variable name="h" select="substring-before($time, 'H')"/>
    <xsl:variable name="t1" select="substring($time, string-length($h) + 1 + number(contains($time, 'H')))"/>
    <xsl:variable name="mi" select="substring-before($t1, 'M')"/>
    <xsl:variable name="t2" select="substring($t1, string-length($mi) + 1 + number(contains($t1, 'M')))"/>
    <xsl:variable name="s" select="substring-before($t2, 'S')"/>
    <xsl:variable name="t3" select="substring($t2, string-length($s) + 1 + number(contains($t2, 'S')))"/>
    <xsl:variable name="whole" select="concat($y, $mo, $w, $d, $h, $mi)"/>
    <xsl:variable name="designators"
        select="concat(number(contains($date, 'Y')), number(contains($d1, 'M')), number(contains($d2, 'W')),
                       number(contains($d3, 'D')), number(contains($time, 'H')), number(contains($t1, 'M')),
                       number(contains($t2, 'S')))"/>
    <xsl:variable name="filled"
        select="concat(number($y != ''), number($mo != ''), number($w != ''), number($d != ''), number($h != ''),
                       number($mi != ''), number($s != ''))"/>
    <xsl:if test="$d4 = '' and $t3 = '' and $designators = $filled and concat($whole, $s) != ''
                  and translate($whole, '0123456789', '') = ''
                  and translate($s, '0123456789.', '') = '' and string(number(concat('0', $s))) != 'NaN'">
      <xsl:value-of select="concat($y, ';', $mo, ';', $w, ';', $d, ';', $h, ';', $mi, ';', $s, ';')"/>
    </xsl:if>
  </xsl:template>

</xsl:stylesheet>
