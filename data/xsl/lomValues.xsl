<?xml version="1.0" encoding="UTF-8"?>
<!--
  Value rules of the SCORM 1.2 to SCORM 2004 conversion: how one IMS Meta-Data 1.2 value (a langstring, a
  language, a vocabulary pair, an identifier, a vCard, a date, a duration) is written in the IEEE LOM binding.
  Included by lomRecord.xsl; pure XSLT 1.0, no extension functions.

  Elements of the record are matched by local name in any case, in the IMS Meta-Data 1.2 namespaces or in no
  namespace, with or without a prefix.
-->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns="http://ltsc.ieee.org/xsd/LOM">

  <!-- Elements of other namespaces (extensions) are copied into the LOM record where the binding leaves room
       for them. The manifest conversion switches this off: its schema allows no extension inside <lom>. -->
  <xsl:variable name="lom.keepForeign" select="true()"/>

  <xsl:variable name="lom.ns" select="'http://ltsc.ieee.org/xsd/LOM'"/>
  <!-- The namespaces read as IMS Meta-Data 1.2, "||" standing for no namespace. -->
  <xsl:variable name="md.ns"
      select="'||http://www.imsglobal.org/xsd/imsmd_rootv1p2p1|http://www.imsglobal.org/xsd/imsmd_v1p2|http://www.imsproject.org/xsd/imsmd_rootv1p2p1|'"/>
  <xsl:variable name="uc" select="'ABCDEFGHIJKLMNOPQRSTUVWXYZ'"/>
  <xsl:variable name="lc" select="'abcdefghijklmnopqrstuvwxyz'"/>
  <xsl:variable name="nl" select="'&#10;'"/>

  <!-- Vocabularies: "|key=LOM value|", the key being the 1.2 value in lower case without blanks, "-" or "_".
       The LOM values themselves are keys too, so a value already in LOM form passes. -->
  <xsl:variable name="v.structure"
      select="'|atomic=atomic|collection=collection|networked=networked|hierarchical=hierarchical|linear=linear|mixed=networked|branched=hierarchical|parceled=collection|parcelled=collection|'"/>
  <xsl:variable name="v.aggregationLevel" select="'|1=1|2=2|3=3|4=4|'"/>
  <xsl:variable name="v.status"
      select="'|draft=draft|final=final|revised=revised|unavailable=unavailable|'"/>
  <xsl:variable name="v.role"
      select="'|author=author|publisher=publisher|unknown=unknown|initiator=initiator|terminator=terminator|validator=validator|editor=editor|graphicaldesigner=graphical designer|technicalimplementer=technical implementer|contentprovider=content provider|technicalvalidator=technical validator|educationalvalidator=educational validator|scriptwriter=script writer|instructionaldesigner=instructional designer|subjectmatterexpert=subject matter expert|'"/>
  <xsl:variable name="v.roleMeta" select="'|creator=creator|validator=validator|'"/>
  <xsl:variable name="v.type"
      select="'|operatingsystem=operating system|os=operating system|browser=browser|'"/>
  <xsl:variable name="v.os"
      select="'|pcdos=pc-dos|dos=pc-dos|mswindows=ms-windows|windows=ms-windows|macos=macos|mac=macos|unix=unix|linux=unix|multios=multi-os|none=none|'"/>
  <xsl:variable name="g.os" select="'|win=ms-windows|mac=macos|linux=unix|unix=unix|solaris=unix|bsd=unix|dos=pc-dos|'"/>
  <xsl:variable name="v.browser"
      select="'|any=any|netscapecommunicator=netscape communicator|netscape=netscape communicator|msinternetexplorer=ms-internet explorer|microsoftinternetexplorer=ms-internet explorer|internetexplorer=ms-internet explorer|msie=ms-internet explorer|ie=ms-internet explorer|opera=opera|amaya=amaya|'"/>
  <xsl:variable name="g.browser"
      select="'|explorer=ms-internet explorer|msie=ms-internet explorer|netscape=netscape communicator|opera=opera|amaya=amaya|'"/>
  <xsl:variable name="v.interactivityType"
      select="'|active=active|expositive=expositive|mixed=mixed|'"/>
  <xsl:variable name="v.resourceType"
      select="'|exercise=exercise|simulation=simulation|questionnaire=questionnaire|diagram=diagram|figure=figure|graph=graph|index=index|slide=slide|table=table|narrativetext=narrative text|exam=exam|experiment=experiment|problemstatement=problem statement|selfassessment=self assessment|selfassesment=self assessment|lecture=lecture|'"/>
  <xsl:variable name="v.level"
      select="'|verylow=very low|low=low|medium=medium|high=high|veryhigh=very high|'"/>
  <xsl:variable name="v.endUserRole"
      select="'|teacher=teacher|author=author|learner=learner|manager=manager|'"/>
  <xsl:variable name="v.context"
      select="'|school=school|highereducation=higher education|training=training|other=other|primaryeducation=school|secondaryeducation=school|universityfirstcycle=higher education|universitysecondcycle=higher education|universitypostgrade=higher education|technicalschoolfirstcycle=training|technicalschoolsecondcycle=training|professionalformation=training|continuousformation=training|vocationaltraining=training|'"/>
  <xsl:variable name="g.context"
      select="'|technical=training|vocational=training|professional=training|formation=training|continu=training|training=training|univers=higher education|college=higher education|higher=higher education|postgrad=higher education|undergrad=higher education|tertiary=higher education|primary=school|secondary=school|elementary=school|kindergarten=school|school=school|'"/>
  <xsl:variable name="v.difficulty"
      select="'|veryeasy=very easy|easy=easy|medium=medium|difficult=difficult|verydifficult=very difficult|'"/>
  <xsl:variable name="v.yesNo" select="'|yes=yes|no=no|'"/>
  <xsl:variable name="v.kind"
      select="'|ispartof=ispartof|haspart=haspart|isversionof=isversionof|hasversion=hasversion|isformatof=isformatof|hasformat=hasformat|references=references|isreferencedby=isreferencedby|isbasedon=isbasedon|isbasisfor=isbasisfor|requires=requires|isrequiredby=isrequiredby|'"/>
  <xsl:variable name="v.purpose"
      select="'|discipline=discipline|idea=idea|prerequisite=prerequisite|educationalobjective=educational objective|accessibilityrestrictions=accessibility restrictions|accessibility=accessibility restrictions|educationallevel=educational level|skilllevel=skill level|securitylevel=security level|competency=competency|'"/>

  <!-- ===== Text ===== -->

  <!-- The text without the blanks, tabs and line ends around it; those inside stay. -->
  <xsl:template name="lom.trim">
    <xsl:param name="text"/>
    <xsl:variable name="first" select="substring(normalize-space($text), 1, 1)"/>
    <xsl:if test="$first != ''">
      <xsl:call-template name="lom.trimEnd">
        <xsl:with-param name="text"
            select="substring($text, string-length(substring-before($text, $first)) + 1)"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <xsl:template name="lom.trimEnd">
    <xsl:param name="text"/>
    <xsl:variable name="last" select="substring($text, string-length($text), 1)"/>
    <xsl:choose>
      <xsl:when test="$text != '' and normalize-space($last) = ''">
        <xsl:call-template name="lom.trimEnd">
          <xsl:with-param name="text" select="substring($text, 1, string-length($text) - 1)"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A language tag as XML Schema types it (letters, then parts of letters and digits, 1 to 8 each); "_"
       is read as "-". Anything else gives an empty text, and the caller leaves the language out. -->
  <xsl:template name="lom.language">
    <xsl:param name="raw"/>
    <xsl:variable name="tag" select="translate(normalize-space($raw), '_', '-')"/>
    <xsl:variable name="ok">
      <xsl:call-template name="lom.languageParts">
        <xsl:with-param name="rest" select="$tag"/>
        <xsl:with-param name="chars" select="concat($uc, $lc)"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:if test="$ok = 'ok'"><xsl:value-of select="$tag"/></xsl:if>
  </xsl:template>

  <xsl:template name="lom.languageParts">
    <xsl:param name="rest"/>
    <xsl:param name="chars"/>
    <xsl:variable name="part" select="substring-before(concat($rest, '-'), '-')"/>
    <xsl:choose>
      <xsl:when test="string-length($part) &lt; 1 or string-length($part) &gt; 8"/>
      <xsl:when test="translate($part, $chars, '') != ''"/>
      <xsl:when test="contains($rest, '-')">
        <xsl:call-template name="lom.languageParts">
          <xsl:with-param name="rest" select="substring-after($rest, '-')"/>
          <xsl:with-param name="chars" select="concat($uc, $lc, '0123456789')"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise>ok</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- One <string> per langstring of the given 1.2 elements; an element holding text but no langstring
       gives one <string> without a language. The langstring or element $skip is left out. -->
  <xsl:template name="lom.strings">
    <xsl:param name="src"/>
    <xsl:param name="skip" select="/.."/>
    <xsl:for-each select="$src[count(. | $skip) != count($skip)]">
      <xsl:variable name="ls"
          select="*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), $uc, $lc) = 'langstring']"/>
      <xsl:choose>
        <xsl:when test="$ls">
          <xsl:for-each select="$ls[count(. | $skip) != count($skip)]">
            <xsl:variable name="language">
              <xsl:call-template name="lom.language"><xsl:with-param name="raw" select="@xml:lang"/></xsl:call-template>
            </xsl:variable>
            <string>
              <xsl:if test="$language != ''"><xsl:attribute name="language"><xsl:value-of select="$language"/></xsl:attribute></xsl:if>
              <xsl:call-template name="lom.trim"><xsl:with-param name="text" select="string(.)"/></xsl:call-template>
            </string>
          </xsl:for-each>
        </xsl:when>
        <xsl:when test="normalize-space(.) != ''">
          <string><xsl:call-template name="lom.trim"><xsl:with-param name="text" select="string(.)"/></xsl:call-template></string>
        </xsl:when>
      </xsl:choose>
    </xsl:for-each>
  </xsl:template>

  <!-- One LOM language-string element named $name holding the strings of all the given 1.2 elements;
       nothing when there is no such element. -->
  <xsl:template name="lom.langString">
    <xsl:param name="src"/>
    <xsl:param name="name"/>
    <xsl:if test="$src">
      <xsl:element name="{$name}" namespace="{$lom.ns}">
        <xsl:call-template name="lom.strings"><xsl:with-param name="src" select="$src"/></xsl:call-template>
      </xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- The single text of a 1.2 element that holds one: its first langstring with text, or its own text. -->
  <xsl:template name="lom.text">
    <xsl:param name="node"/>
    <xsl:variable name="ls"
        select="$node/*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), $uc, $lc) = 'langstring'][normalize-space(.) != '']"/>
    <xsl:choose>
      <xsl:when test="$ls"><xsl:value-of select="normalize-space($ls[1])"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="normalize-space($node)"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- One <language> per 1.2 language that holds a valid tag; the others are left out. -->
  <xsl:template name="lom.languages">
    <xsl:param name="src"/>
    <xsl:for-each select="$src">
      <xsl:variable name="language">
        <xsl:call-template name="lom.language"><xsl:with-param name="raw" select="."/></xsl:call-template>
      </xsl:variable>
      <xsl:if test="$language != ''"><language><xsl:value-of select="$language"/></language></xsl:if>
    </xsl:for-each>
  </xsl:template>

  <!-- ===== Vocabularies ===== -->

  <!-- A 1.2 vocabulary element (source and value) as the LOM element $name with source "LOMv1.0" and the LOM
       value that $table gives for it. A value missing from the table takes the first $guesses rule whose key
       part it contains, else $fallback. A value of another vocabulary (its source not "LOMv1.0") that maps to
       nothing is kept with its own source when extensions are kept. Otherwise, or for an empty value, the
       element is left out. -->
  <xsl:template name="lom.vocab">
    <xsl:param name="node"/>
    <xsl:param name="name"/>
    <xsl:param name="table"/>
    <xsl:param name="guesses" select="''"/>
    <xsl:param name="fallback" select="''"/>
    <xsl:variable name="raw">
      <xsl:call-template name="lom.vocabPart"><xsl:with-param name="node" select="$node"/><xsl:with-param name="part" select="'value'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="source">
      <xsl:call-template name="lom.vocabPart"><xsl:with-param name="node" select="$node"/><xsl:with-param name="part" select="'source'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="value">
      <xsl:call-template name="lom.lookup">
        <xsl:with-param name="raw" select="$raw"/>
        <xsl:with-param name="table" select="$table"/>
        <xsl:with-param name="guesses" select="$guesses"/>
        <xsl:with-param name="fallback" select="$fallback"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="sourceKey" select="translate($source, concat($uc, ' -_'), $lc)"/>
    <xsl:variable name="own" select="$lom.keepForeign and $sourceKey != '' and $sourceKey != 'lomv1.0'"/>
    <xsl:choose>
      <xsl:when test="$raw = ''"/>
      <xsl:when test="$own and string-length(substring-before(substring-after($table, concat('|', translate($raw, concat($uc, ' -_'), $lc), '=')), '|')) = 0">
        <xsl:element name="{$name}" namespace="{$lom.ns}">
          <source><xsl:value-of select="$source"/></source>
          <value><xsl:value-of select="$raw"/></value>
        </xsl:element>
      </xsl:when>
      <xsl:when test="$value != ''">
        <xsl:element name="{$name}" namespace="{$lom.ns}">
          <source>LOMv1.0</source>
          <value><xsl:value-of select="$value"/></value>
        </xsl:element>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- The LOM value of a 1.2 value: from the table, else from the first guess rule, else the fallback. -->
  <xsl:template name="lom.lookup">
    <xsl:param name="raw"/>
    <xsl:param name="table"/>
    <xsl:param name="guesses" select="''"/>
    <xsl:param name="fallback" select="''"/>
    <xsl:variable name="key" select="translate($raw, concat($uc, ' -_'), $lc)"/>
    <xsl:variable name="listed" select="substring-before(substring-after($table, concat('|', $key, '=')), '|')"/>
    <xsl:variable name="guessed">
      <xsl:if test="$listed = '' and $key != ''">
        <xsl:call-template name="lom.guess">
          <xsl:with-param name="key" select="$key"/>
          <xsl:with-param name="rules" select="substring-after($guesses, '|')"/>
        </xsl:call-template>
      </xsl:if>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$key = ''"/>
      <xsl:when test="$listed != ''"><xsl:value-of select="$listed"/></xsl:when>
      <xsl:when test="$guessed != ''"><xsl:value-of select="$guessed"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$fallback"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="lom.guess">
    <xsl:param name="key"/>
    <xsl:param name="rules"/>
    <xsl:variable name="rule" select="substring-before($rules, '|')"/>
    <xsl:choose>
      <xsl:when test="$rule = ''"/>
      <xsl:when test="contains($key, substring-before($rule, '='))"><xsl:value-of select="substring-after($rule, '=')"/></xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="lom.guess">
          <xsl:with-param name="key" select="$key"/>
          <xsl:with-param name="rules" select="substring-after($rules, '|')"/>
        </xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The source or value text of the first given 1.2 vocabulary element. A vocabulary written as bare text,
       without source and value, is read as its value. -->
  <xsl:template name="lom.vocabPart">
    <xsl:param name="node"/>
    <xsl:param name="part"/>
    <xsl:variable name="v" select="$node[1]"/>
    <xsl:variable name="kids" select="$v/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:choose>
      <xsl:when test="$kids[translate(local-name(), $uc, $lc) = $part]">
        <xsl:call-template name="lom.text"><xsl:with-param name="node" select="$kids[translate(local-name(), $uc, $lc) = $part][1]"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$part = 'value' and not($v/*)"><xsl:value-of select="normalize-space($v)"/></xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Identifiers, people, dates, durations ===== -->

  <!-- A 1.2 catalogentry as <identifier> with catalog and entry; a 1.2 identifier (a bare text) as an
       <identifier> with its entry only. -->
  <xsl:template name="lom.identifiers">
    <xsl:param name="src"/>
    <xsl:for-each select="$src">
      <xsl:variable name="kids" select="*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
      <xsl:choose>
        <xsl:when test="translate(local-name(), $uc, $lc) = 'identifier'">
          <xsl:if test="normalize-space(.) != ''">
            <identifier><entry><xsl:value-of select="normalize-space(.)"/></entry></identifier>
          </xsl:if>
        </xsl:when>
        <xsl:otherwise>
          <identifier>
            <xsl:for-each select="$kids[translate(local-name(), $uc, $lc) = 'catalog'][1]">
              <catalog><xsl:value-of select="normalize-space(.)"/></catalog>
            </xsl:for-each>
            <xsl:for-each select="$kids[translate(local-name(), $uc, $lc) = 'entry'][1]">
              <entry><xsl:call-template name="lom.text"><xsl:with-param name="node" select="."/></xsl:call-template></entry>
            </xsl:for-each>
            <xsl:call-template name="lom.foreign"><xsl:with-param name="parents" select="."/></xsl:call-template>
          </identifier>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:for-each>
  </xsl:template>

  <!-- One <entity> per vCard of the given 1.2 centity or person elements (their vcard children, or their
       own text when they hold no vcard); $max limits the count. -->
  <xsl:template name="lom.entities">
    <xsl:param name="src"/>
    <xsl:param name="max" select="1000000"/>
    <xsl:variable name="cards"
        select="$src/*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), $uc, $lc) = 'vcard'][normalize-space(.) != '']
                | $src[not(*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), $uc, $lc) = 'vcard'])][normalize-space(.) != '']"/>
    <xsl:for-each select="$cards[position() &lt;= $max]">
      <entity><xsl:call-template name="lom.vcard"><xsl:with-param name="text" select="string(.)"/></xsl:call-template></entity>
    </xsl:for-each>
  </xsl:template>

  <!-- A 1.2 date (datetime, description) as a LOM <date>. A calendar date goes into <dateTime> as it stands,
       for the conversion engine to write as a LOM date and time; a date with a time of day goes there in the
       LOM form; any other text goes into the description. -->
  <xsl:template name="lom.date">
    <xsl:param name="node"/>
    <xsl:variable name="kids" select="$node[1]/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="text" select="normalize-space($kids[translate(local-name(), $uc, $lc) = 'datetime'][1])"/>
    <xsl:variable name="value">
      <xsl:call-template name="lom.dateValue"><xsl:with-param name="text" select="$text"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="descriptions" select="$kids[translate(local-name(), $uc, $lc) = 'description']"/>
    <xsl:if test="$text != '' or $descriptions">
      <date>
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

  <!-- A 1.2 duration or typical learning time (datetime, description) as the LOM element $name with a
       <duration> and a <description>. The duration is the datetime text when it reads as one, else the first
       description text when that does (the SCORM 1.2 writers keep it there). A date in the datetime is no
       duration and is left out; any other text that is no duration goes into the description. -->
  <xsl:template name="lom.duration">
    <xsl:param name="node"/>
    <xsl:param name="name"/>
    <xsl:variable name="kids" select="$node[1]/*[contains($md.ns, concat('|', namespace-uri(), '|'))]"/>
    <xsl:variable name="text" select="normalize-space($kids[translate(local-name(), $uc, $lc) = 'datetime'][1])"/>
    <xsl:variable name="descriptions" select="$kids[translate(local-name(), $uc, $lc) = 'description']"/>
    <xsl:variable name="firstString"
        select="($descriptions/*[contains($md.ns, concat('|', namespace-uri(), '|'))][translate(local-name(), $uc, $lc) = 'langstring'] | $descriptions[not(*)])[1]"/>
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
    <xsl:if test="$ownDuration != '' or $describedDuration != '' or normalize-space($strings) != ''">
      <xsl:element name="{$name}" namespace="{$lom.ns}">
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

  <!-- ===== vCards ===== -->

  <!-- A vCard text with one property a line: "BEGIN:VCARD", a "VERSION:" line when it had one, "FN:" with
       the name, its other properties, "END:VCARD". Lines run together on one line are split before each known
       property name; property names are written in capitals and properties without a value are left out.
       Without a name of its own the vCard takes the one its N, its ORG or a bare text line holds. -->
  <xsl:template name="lom.vcard">
    <xsl:param name="text"/>
    <xsl:variable name="lines">
      <xsl:call-template name="lom.vcardLines">
        <xsl:with-param name="rest" select="translate($text, '&#13;&#9;', '&#10; ')"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="fn">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="'FN'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="n">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="'N'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="org">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="'ORG'"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="bare">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="''"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="version">
      <xsl:call-template name="lom.vcardValue"><xsl:with-param name="lines" select="$lines"/><xsl:with-param name="name" select="'VERSION'"/></xsl:call-template>
    </xsl:variable>
    <!-- A bare line with a ";" is a structured name written without its "N:". -->
    <xsl:variable name="bareN" select="$fn = '' and $n = '' and $org = '' and contains($bare, ';')"/>
    <xsl:variable name="name">
      <xsl:choose>
        <xsl:when test="$fn != ''"><xsl:value-of select="$fn"/></xsl:when>
        <xsl:when test="$n != ''">
          <xsl:call-template name="lom.vcardNameOfN"><xsl:with-param name="n" select="$n"/></xsl:call-template>
        </xsl:when>
        <xsl:when test="$org != ''"><xsl:value-of select="normalize-space(substring-before(concat($org, ';'), ';'))"/></xsl:when>
        <xsl:when test="$bareN">
          <xsl:call-template name="lom.vcardNameOfN"><xsl:with-param name="n" select="$bare"/></xsl:call-template>
        </xsl:when>
        <xsl:otherwise><xsl:value-of select="$bare"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:value-of select="concat('BEGIN:VCARD', $nl)"/>
    <xsl:if test="$version != ''"><xsl:value-of select="concat('VERSION:', $version, $nl)"/></xsl:if>
    <xsl:value-of select="concat('FN:', $name, $nl)"/>
    <xsl:if test="$bareN"><xsl:value-of select="concat('N:', $bare, $nl)"/></xsl:if>
    <xsl:call-template name="lom.vcardOthers"><xsl:with-param name="lines" select="$lines"/></xsl:call-template>
    <xsl:text>END:VCARD</xsl:text>
  </xsl:template>

  <!-- The properties of a vCard text, one "NAME:value" a line (a bare text line as ":text"), without BEGIN
       and END. -->
  <xsl:template name="lom.vcardLines">
    <xsl:param name="rest"/>
    <xsl:if test="$rest != ''">
      <xsl:call-template name="lom.vcardTokens">
        <xsl:with-param name="rest" select="normalize-space(substring-before(concat($rest, $nl), $nl))"/>
      </xsl:call-template>
      <xsl:call-template name="lom.vcardLines"><xsl:with-param name="rest" select="substring-after($rest, $nl)"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- The tokens of one line: a token that begins a property ends the one before it. -->
  <xsl:template name="lom.vcardTokens">
    <xsl:param name="rest"/>
    <xsl:param name="property" select="''"/>
    <xsl:variable name="token" select="substring-before(concat($rest, ' '), ' ')"/>
    <xsl:variable name="starts">
      <xsl:call-template name="lom.vcardIsProperty"><xsl:with-param name="token" select="$token"/></xsl:call-template>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$rest = ''">
        <xsl:call-template name="lom.vcardProperty"><xsl:with-param name="text" select="$property"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$starts = 'yes'">
        <xsl:call-template name="lom.vcardProperty"><xsl:with-param name="text" select="$property"/></xsl:call-template>
        <xsl:call-template name="lom.vcardTokens">
          <xsl:with-param name="rest" select="substring-after($rest, ' ')"/>
          <xsl:with-param name="property" select="$token"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="lom.vcardTokens">
          <xsl:with-param name="rest" select="substring-after($rest, ' ')"/>
          <xsl:with-param name="property" select="normalize-space(concat($property, ' ', $token))"/>
        </xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- "yes" for a token that begins a vCard property: a known property name or an "X-" name, with or
       without parameters, then ":". -->
  <xsl:template name="lom.vcardIsProperty">
    <xsl:param name="token"/>
    <xsl:variable name="name" select="translate(substring-before(concat(substring-before($token, ':'), ';'), ';'), $lc, $uc)"/>
    <xsl:if test="contains($token, ':') and $name != ''
                  and (starts-with($name, 'X-') or contains('|BEGIN|END|VERSION|FN|N|ORG|EMAIL|TEL|ADR|LABEL|TITLE|ROLE|URL|NOTE|NICKNAME|BDAY|UID|REV|PRODID|SOURCE|NAME|CATEGORIES|GEO|TZ|KEY|MAILER|AGENT|CLASS|SORT-STRING|SOUND|PHOTO|LOGO|', concat('|', $name, '|')))">yes</xsl:if>
  </xsl:template>

  <!-- One property line: "NAME:value" with the name in capitals, ":text" for a bare text, nothing for BEGIN,
       END and a property without a value. -->
  <xsl:template name="lom.vcardProperty">
    <xsl:param name="text"/>
    <xsl:variable name="starts">
      <xsl:call-template name="lom.vcardIsProperty"><xsl:with-param name="token" select="substring-before(concat($text, ' '), ' ')"/></xsl:call-template>
    </xsl:variable>
    <xsl:variable name="name" select="translate(substring-before($text, ':'), $lc, $uc)"/>
    <xsl:variable name="value" select="normalize-space(substring-after($text, ':'))"/>
    <xsl:choose>
      <xsl:when test="$text = ''"/>
      <xsl:when test="$starts != 'yes'"><xsl:value-of select="concat(':', $text, $nl)"/></xsl:when>
      <xsl:when test="$name = 'BEGIN' or $name = 'END' or $value = ''"/>
      <xsl:otherwise><xsl:value-of select="concat($name, ':', $value, $nl)"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The value of the first property line named $name (its parameters aside); $name empty: the first bare
       line. -->
  <xsl:template name="lom.vcardValue">
    <xsl:param name="lines"/>
    <xsl:param name="name"/>
    <xsl:variable name="line" select="substring-before($lines, $nl)"/>
    <xsl:choose>
      <xsl:when test="$lines = ''"/>
      <xsl:when test="substring-before(concat(substring-before($line, ':'), ';'), ';') = $name">
        <xsl:value-of select="substring-after($line, ':')"/>
      </xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="lom.vcardValue">
          <xsl:with-param name="lines" select="substring-after($lines, $nl)"/>
          <xsl:with-param name="name" select="$name"/>
        </xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- Every property line but FN, VERSION and the bare lines. -->
  <xsl:template name="lom.vcardOthers">
    <xsl:param name="lines"/>
    <xsl:variable name="line" select="substring-before($lines, $nl)"/>
    <xsl:variable name="name" select="substring-before(concat(substring-before($line, ':'), ';'), ';')"/>
    <xsl:if test="$lines != ''">
      <xsl:if test="$name != 'FN' and $name != 'VERSION' and $name != ''"><xsl:value-of select="concat($line, $nl)"/></xsl:if>
      <xsl:call-template name="lom.vcardOthers"><xsl:with-param name="lines" select="substring-after($lines, $nl)"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- The name a structured N value (family;given;additional;prefixes;suffixes) spells, in reading order. -->
  <xsl:template name="lom.vcardNameOfN">
    <xsl:param name="n"/>
    <xsl:variable name="family" select="substring-before(concat($n, ';'), ';')"/>
    <xsl:variable name="r1" select="substring-after($n, ';')"/>
    <xsl:variable name="given" select="substring-before(concat($r1, ';'), ';')"/>
    <xsl:variable name="r2" select="substring-after($r1, ';')"/>
    <xsl:variable name="additional" select="substring-before(concat($r2, ';'), ';')"/>
    <xsl:variable name="r3" select="substring-after($r2, ';')"/>
    <xsl:variable name="prefix" select="substring-before(concat($r3, ';'), ';')"/>
    <xsl:variable name="suffix" select="substring-before(concat(substring-after($r3, ';'), ';'), ';')"/>
    <xsl:value-of select="normalize-space(translate(concat($prefix, ' ', $given, ' ', $additional, ' ', $family, ' ', $suffix), ',', ' '))"/>
  </xsl:template>

  <!-- ===== Extensions ===== -->

  <!-- Copies of the elements of other namespaces among the children of $parents, when extensions are kept. -->
  <xsl:template name="lom.foreign">
    <xsl:param name="parents"/>
    <xsl:if test="$lom.keepForeign">
      <xsl:apply-templates mode="lom.foreign"
          select="$parents/*[not(contains($md.ns, concat('|', namespace-uri(), '|'))) and namespace-uri() != $lom.ns]"/>
    </xsl:if>
  </xsl:template>

  <!-- Rebuilt rather than copied, so that only the namespaces an element uses are declared on it. -->
  <xsl:template match="*" mode="lom.foreign">
    <xsl:element name="{name()}" namespace="{namespace-uri()}">
      <xsl:for-each select="@*">
        <xsl:attribute name="{name()}" namespace="{namespace-uri()}"><xsl:value-of select="."/></xsl:attribute>
      </xsl:for-each>
      <xsl:apply-templates mode="lom.foreign"/>
    </xsl:element>
  </xsl:template>

  <xsl:template match="text()" mode="lom.foreign"><xsl:value-of select="."/></xsl:template>
  <xsl:template match="comment() | processing-instruction()" mode="lom.foreign"/>
</xsl:stylesheet>
